#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ActorTestWorld.h"

namespace gulpleaf::test {
namespace {

constexpr int kW = 1024, kH = 768;

int FirstBlit(const RecordingCanvas& canvas, Sheet sheet) {
  for (std::size_t i = 0; i < canvas.calls.size(); ++i) {
    if (canvas.calls[i].kind == DrawCall::Blit && canvas.calls[i].sheet == sheet)
      return static_cast<int>(i);
  }
  return -1;
}

TEST(Scene, CalledCanWalksInPoursForTheDrinkingPlantAndWalksBack) {
  Scene s(kW, kH);
  s.scripted.fallback = 0;  // every chance comes true; the fly never buzzes
  int tick = 0, pourStart = 0, pourStop = 0;
  while (s.plant.state != TPflanz::Rise && tick < 3000) {
    const int canBefore = s.can.state;
    s.Step();
    ++tick;
    if (canBefore == TKanne::Walk && s.can.state == TKanne::Lift) {
      EXPECT_EQ(s.can.position, (Point{s.plant.headPosition.x - 215, kH - 210}));
    }
    if (canBefore == TKanne::Walk && !s.can.leaving) {  // the plant over the can
      EXPECT_LT(FirstBlit(s.canvas, Sheet::KanWalk), FirstBlit(s.canvas, Sheet::PflanzHead));
    }
    if (canBefore == TKanne::Pour) {  // the pouring can over the plant
      EXPECT_GT(FirstBlit(s.canvas, Sheet::KanGiess), FirstBlit(s.canvas, Sheet::PflanzHead));
      EXPECT_TRUE(s.plant.headPosition.y == kH - 253 || s.plant.headPosition.y == kH - 252);
      EXPECT_TRUE(s.can.position.y == kH - 350 || s.can.position.y == kH - 348);
    }
    if (!pourStart && s.sound.Count(wave::kPour)) pourStart = tick;
    if (!pourStop && s.sound.Count(0)) pourStop = tick;
  }
  EXPECT_EQ(pourStop - pourStart, 120);  // 110 ticks of pouring, then the tilt back
  EXPECT_EQ(s.sound.events, (std::vector<SoundEvent>{{wave::kFirstCall, false},
                                                     {wave::kSummon, false},
                                                     {wave::kCanArrives, false},
                                                     {wave::kPour, true},
                                                     {0, false},
                                                     {wave::kGulp, false}}));
  EXPECT_EQ(s.can.position, (Point{0, kH - 210}));  // back at the edge, visible now
  EXPECT_EQ(s.plant.collarOffset, 8);
  while (s.plant.state == TPflanz::Rise && tick++ < 4000) s.Step();
  EXPECT_EQ(s.plant.state, TPflanz::Hover);
}

TEST(Scene, CaughtFlyIsEatenAndTheNextOneComesInFromTheLeft) {
  Scene s(kW, kH);
  s.can.position = {0, kH - 210};
  s.HoverAt({600, 40});
  s.FlyNextAt(732);
  std::string fly, plant;
  for (int i = 0; i < 12; ++i) {
    s.Step();
    fly += char('0' + s.fly.state);
    plant += char('0' + s.plant.state);
  }
  // Flee while the plant lunges twice and bites; at the first chew the eaten
  // fly starts again from (-350, 70).
  EXPECT_EQ(fly, "222211111111");
  EXPECT_EQ(plant, "455888888844");
  EXPECT_EQ(s.fly.base.x, -350 + 3 * 7);
  EXPECT_EQ(s.pause.sleeps, (std::vector<std::uint32_t>{50}));
  EXPECT_EQ(s.can.state, TKanne::Trumpet);
  EXPECT_EQ(s.sound.events,
            (std::vector<SoundEvent>{{wave::kBite, false}, {wave::kTrumpet, false}}));
}

TEST(Scene, FooledPlantIsFrightenedHidesAndPeeksBackUp) {
  Scene s(kW, kH);
  s.can.position = {0, kH - 210};
  s.HoverAt({700, 40});
  s.fly.scriptPosition = 1;  // the next encounter fools the plant
  s.FlyNextAt(832);
  std::string states = "-";
  std::vector<int> duck;
  for (int tick = 0; tick < 3000 && !(tick && s.plant.state == TPflanz::Idle); ++tick) {
    const int before = s.plant.state;
    s.Step();
    if (states.back() != '0' + s.plant.state) states += char('0' + s.plant.state);
    if (s.plant.frozen) {
      EXPECT_EQ(s.plant.headPosition, (Point{700, 40}));
    }
    if (before == TPflanz::Hover && s.plant.state == TPflanz::Sink) {
      EXPECT_EQ(s.plant.headPosition, (Point{kW - 251 - 63, 40 - 70}));
    }
    if (before == TPflanz::Peek) {
      for (const DrawCall& d : s.canvas.calls) {
        EXPECT_FALSE(d.kind == DrawCall::Blacken && d.w == 225 && d.h == 154) << "head kept";
      }
      for (const DrawCall& d : s.canvas.Blits(Sheet::PflanzDuck)) duck.push_back(d.sy / 220);
    }
    if (s.plant.state == TPflanz::Peek) {
      EXPECT_TRUE(s.canvas.Blits(Sheet::PflanzFuss).empty()) << "ducked over the foot";
    }
  }
  states.erase(0, 1);
  EXPECT_EQ(states, "4293");  // Hover, Sink, Peek, Idle
  EXPECT_EQ(s.plant.headPosition, (Point{kW - 314, kH - 253}));
  EXPECT_FALSE(s.fly.bigFlyActive);  // it stays hidden until the big fly has gone
  EXPECT_EQ(duck, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_GE(s.sound.Count(wave::kEyesTurn), 10);
  EXPECT_EQ(s.sound.events[3], (SoundEvent{wave::kFright, false}));
  EXPECT_EQ(s.sound.events.back(), (SoundEvent{wave::kBuzz, false}));  // up again
}

// Every drawing call takes whole frames from inside its sheet, in the
// sheet's drawing mode.
void ExpectBlitsInsideSheets(const RecordingCanvas& canvas) {
  for (const DrawCall& c : canvas.calls) {
    if (c.kind != DrawCall::Blit) continue;
    const SheetInfo& info = Info(c.sheet);
    EXPECT_TRUE(c.sx == 0 && c.sy >= 0 && c.w > 0 && c.h > 0 && c.w <= info.frameWidth &&
                c.h <= info.frameHeight && c.sy + c.h <= info.height &&
                c.sy % info.frameHeight == 0)
        << info.resourceName << " sy " << c.sy << " " << c.w << "x" << c.h;
    const RasterOp op = info.mode == DrawMode::Opaque ? RasterOp::Copy
                        : info.mode == DrawMode::Mask || (c.sheet == Sheet::Hals && c.sy == 0)
                            ? RasterOp::And
                            : RasterOp::Invert;
    EXPECT_EQ(c.op, op) << info.resourceName;
  }
}

TEST(Scene, LongRunsKeepEveryActorMovingOnCommonScreens) {
  struct Case {
    int w, h;
    bool soundOn;
  } cases[] = {{1024, 768, true}, {1920, 1080, true}, {640, 480, true}, {1024, 768, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    LcgRandom random(20261208);
    Scene s(c.w, c.h, c.soundOn, &random);
    int* states[] = {&s.plant.state, &s.can.state, &s.fly.state};
    const int counts[] = {9, 5, 4};
    int last[3] = {}, run[3] = {}, longest = 0, entered[3][10] = {};
    for (int t = 0; t < 20000 && !HasFailure(); ++t) {
      s.Step();
      ExpectBlitsInsideSheets(s.canvas);
      for (int a = 0; a < 3; ++a) {
        const int st = *states[a];
        ASSERT_TRUE(st >= 1 && st <= counts[a]) << a;
        run[a] = st == last[a] ? run[a] + 1 : 1;
        entered[a][st] += st != last[a];
        last[a] = st;
        longest = std::max(longest, run[a]);
      }
      if (s.plant.state == TPflanz::Idle) {
        EXPECT_EQ(s.plant.headPosition, (Point{c.w - 314, c.h - 253}));
      }
      if (s.fly.state == TFly::Wander) {  // the same band on every screen
        ASSERT_TRUE(s.fly.base.y >= -50 && s.fly.base.y <= 250);
        ASSERT_TRUE(s.fly.position.y >= -100 && s.fly.position.y <= 300);
      }
    }
    EXPECT_LT(longest, 6000) << "some actor is stuck";
    for (int a = 0; a < 3; ++a) {
      for (int st = 1; st <= counts[a]; ++st) EXPECT_GT(entered[a][st], 0) << a << ":" << st;
    }
    EXPECT_GE(s.pause.sleeps.size(), 5u) << "flies are eaten";
    EXPECT_EQ(s.sound.events.empty(), !c.soundOn);
  }
}

}  // namespace
}  // namespace gulpleaf::test
