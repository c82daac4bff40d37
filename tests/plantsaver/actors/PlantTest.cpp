#include <gtest/gtest.h>

#include <cstdlib>

#include "ActorTestWorld.h"

namespace gulpleaf::test {
namespace {

constexpr int kW = 1024, kH = 768;

TEST(Plant, IdleCannotCallTheCanBeforeItsFourHundredthTick) {
  Scene s(kW, kH);
  s.scripted.fallback = 0;  // every chance comes true; the mouth passes frame 8 often
  int tick = 0;
  while (s.plant.state == TPflanz::Idle && tick < 1000) {
    s.plant.Tick();
    ++tick;
  }
  EXPECT_EQ(tick, 404);  // the first frame 8 from tick 400 on
  EXPECT_EQ(s.plant.state, TPflanz::Call);
}

TEST(Plant, CallSummonsTheCanOnceAndNotAgainWhenItArrives) {
  Scene s(kW, kH);
  s.plant.state = TPflanz::Call;
  s.plant.frame = 8;
  s.plant.counter = 4;
  std::vector<int> frames{8};
  for (int i = 0; i < 60; ++i) {
    s.plant.Tick();
    if (frames.back() != s.plant.frame) frames.push_back(s.plant.frame);
  }
  EXPECT_EQ(frames,
            (std::vector<int>{8, 9, 10, 11, 12, 13, 14, 15, 14, 13, 12, 13, 14, 15, 14, 13, 12}));
  EXPECT_EQ(s.can.state, TKanne::Walk);
  // On some screen widths the can arrives in the very tick of the gesture's
  // next step; it must then stay to be drunk from.
  s.can.state = TKanne::Lift;
  s.plant.delay = 0;
  s.plant.Tick();
  EXPECT_EQ(s.can.state, TKanne::Lift);
  EXPECT_EQ(s.plant.state, TPflanz::Drink);
  EXPECT_EQ(s.sound.events,
            (std::vector<SoundEvent>{{wave::kFirstCall, false}, {wave::kSummon, false}}));
}

TEST(Plant, HoverBaseDriftsBackFromEachEdge) {
  struct Case {
    Point head, baseChange;
  } cases[] = {
      {{600, 0}, {0, 0}},          {{600, -1}, {0, 1}},         {{600, kH - 323}, {0, 0}},
      {{600, kH - 322}, {0, -2}},  {{kW - 30, 9}, {0, 0}},      {{kW - 29, 9}, {-1, 0}},
      {{kW / 2 - 100, 9}, {0, 0}}, {{kW / 2 - 101, 9}, {1, 0}}, {{kW / 2 - 101, -5}, {1, 1}},
  };
  for (const Case& c : cases) {
    Scene s(kW, kH);
    s.HoverAt(c.head);
    s.plant.Tick();
    EXPECT_EQ(s.plant.basePosition, (Point{c.head.x + c.baseChange.x, c.head.y + c.baseChange.y}))
        << c.head.x << "," << c.head.y;
  }
}

TEST(Plant, NeckRunsAsHalfACosineFromTheHigherEndWithoutGaps) {
  struct Case {
    Point p1, p2;
  } cases[] = {{{400, 100}, {700, 600}}, {{900, 100}, {700, 600}}, {{700, 600}, {400, 100}},
               {{400, -40}, {420, 300}}, {{300, 50}, {700, 60}},   {{500, 100}, {500, 180}}};
  for (const Case& c : cases) {
    Scene s(kW, kH);
    s.plant.BuildNeckPoints(c.p1, c.p2);
    const Point top = c.p1.y < c.p2.y ? c.p1 : c.p2, end = c.p1.y < c.p2.y ? c.p2 : c.p1;
    const auto& pts = s.plant.neckPoints;
    EXPECT_EQ(UnpackNeckPoint(pts.front()), top);  // also above the screen
    const Point last = UnpackNeckPoint(pts.back());
    EXPECT_TRUE(last.y > end.y - 8 && std::abs(last.x - end.x) <= 8);
    for (std::size_t i = 1; i < pts.size(); ++i) {
      const Point a = UnpackNeckPoint(pts[i - 1]), b = UnpackNeckPoint(pts[i]);
      EXPECT_TRUE(b.y >= a.y && b.y - a.y <= 8) << "no gap";
      EXPECT_GE((b.x - a.x) * (end.x > top.x ? 1 : -1), 0) << "one way";
      if (top.x == end.x) {
        EXPECT_EQ(b, (Point{top.x, a.y + 8})) << "a vertical chain";
      }
    }
  }
  Scene level(kW, kH);
  level.plant.BuildNeckPoints({100, 50}, {300, 50});
  ASSERT_EQ(level.plant.neckPoints.size(), 1u);
  EXPECT_EQ(UnpackNeckPoint(level.plant.neckPoints[0]), (Point{300, 50}));
}

TEST(Plant, SecondBiteOrFarLeftHeadSendsThePlantDownAfterChewing) {
  struct Case {
    int bites, headX, then;
  } cases[] = {{1, 600, TPflanz::Hover},
               {2, 600, TPflanz::Sink},
               {1, kW - 251 - 351, TPflanz::Sink},
               {1, kW - 251 - 350, TPflanz::Hover}};
  for (const Case& c : cases) {
    Scene s(kW, kH);
    s.plant.state = TPflanz::Chew;
    s.plant.headPosition = {c.headX, 100};
    s.plant.bites = c.bites;
    s.plant.frame = s.plant.counter = 2;
    s.plant.Tick();
    EXPECT_TRUE(s.fly.reentryRequest) << "the eaten fly goes at once";
    for (int i = 0; i < 6; ++i) s.plant.Tick();
    EXPECT_EQ(s.plant.state, c.then) << c.bites << " " << c.headX;
    EXPECT_EQ(s.plant.bites, c.then == TPflanz::Sink ? 0 : c.bites);
    EXPECT_EQ(s.can.state, TKanne::Trumpet);
    EXPECT_EQ(s.can.tootsLeft, 8);
  }
}

}  // namespace
}  // namespace gulpleaf::test
