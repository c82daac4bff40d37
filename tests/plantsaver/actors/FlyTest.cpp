#include <gtest/gtest.h>

#include <string>

#include "ActorTestWorld.h"

namespace gulpleaf::test {
namespace {

constexpr int kW = 1024, kH = 768;

TEST(Fly, WingPairFollowsTheFlightDirection) {
  const int pairs[][2] = {{-11, 8}, {-10, 6}, {-6, 6}, {-5, 4}, {5, 4}, {6, 2}, {10, 2}, {11, 0}};
  for (const auto& [d, pair] : pairs) {
    Scene s(kW, kH);
    s.FlyNextAt(500);
    TFly::previousX = 500 + d;
    s.fly.Tick();
    EXPECT_EQ(s.canvas.Blits(Sheet::Fly).at(0).sy, (pair + 1) * 37) << d;  // wing now 1
    EXPECT_EQ(s.canvas.Blits(Sheet::FlyMask).at(0).sy, (pair + 1) * 37) << d;
  }
}

TEST(Fly, IsCaughtNearTheHoveringMouth) {
  struct Case {
    int dx, dy, plantState;  // fly minus the mouth point, head + (132, 60)
    bool near;
  } cases[] = {{0, 0, TPflanz::Hover, true},    {179, 29, TPflanz::Hover, true},
               {180, 0, TPflanz::Hover, false}, {-180, 0, TPflanz::Hover, false},
               {0, 30, TPflanz::Hover, false},  {-179, -29, TPflanz::Hover, true},
               {0, 0, TPflanz::Lunge, false},   {0, 0, TPflanz::Rise, false}};
  for (const Case& c : cases) {
    Scene s(kW, kH);
    s.HoverAt({700 - 132 - c.dx, 100 - 60 - c.dy});
    s.plant.state = c.plantState;
    s.FlyNextAt(700);
    s.fly.Tick();
    EXPECT_EQ(s.plant.flyNear, c.near) << c.dx << " " << c.dy;
    EXPECT_EQ(s.fly.state, c.near ? TFly::Flee : TFly::Wander);
    EXPECT_EQ(s.plant.target, (c.near ? Point{700 - 132, 100 - 94} : Point{}));
  }
  for (int offset : {150, 151}) {  // beyond the foot's right edge it is out of reach
    Scene s(kW, kH);
    const int x = s.plant.footPosition.x + offset;
    s.HoverAt({x - 132, 40});
    s.FlyNextAt(x);
    s.fly.Tick();
    EXPECT_EQ(s.plant.flyNear, offset == 150);
  }
}

TEST(Fly, CatchScriptFoolsOnlyAHeadInTheRightHalf) {
  auto encounter = [](Scene& s, int headX) {
    s.HoverAt({headX, 40});
    s.plant.frozen = false;
    s.FlyNextAt(headX + 132);
    s.fly.Tick();
    return s.fly.state == TFly::Summon ? 'F' : s.fly.state == TFly::Flee ? 'C' : '?';
  };
  Scene s(kW, kH);
  std::string outcomes;
  for (int i = 0; i < 14; ++i) outcomes += encounter(s, kW / 2 + 1);
  EXPECT_EQ(outcomes, "CFCCCFCCFCCCCF");
  EXPECT_TRUE(s.plant.frozen);
  EXPECT_FALSE(s.plant.flyNear);
  EXPECT_EQ(s.sound.Count(wave::kFlyFools), 4);

  Scene left(kW, kH);
  left.fly.scriptPosition = 1;
  EXPECT_EQ(encounter(left, kW / 2), 'C');      // the fooling entry waits...
  EXPECT_EQ(encounter(left, kW / 2 + 1), 'F');  // ...for a head in the right half
}

TEST(Fly, BigFlySetsOutClampedAboveThePlantAndFrightensIt) {
  struct Case {
    int h, flyY, bigY;
  } cases[] = {{768, 100, 100}, {768, 335, 335}, {768, 336, 768 - 433}, {480, 100, 480 - 433}};
  for (const Case& c : cases) {
    Scene s(kW, c.h);
    s.fly.state = TFly::Summon;
    s.fly.position = {200, c.flyY};
    for (int i = 0; i < 8; ++i) s.fly.Tick();  // 20 px per tick down to x = 60
    ASSERT_EQ(s.fly.state, TFly::Wait);
    EXPECT_EQ(s.fly.bigFlyPosition, (Point{-230, c.bigY})) << c.h << " " << c.flyY;
    s.plant.counter = 7;
    int approach = 0, sting = 0, fright = 0;
    for (int t = 1; s.fly.bigFlyActive && t < 1000; ++t) {
      const std::size_t sounds = s.sound.events.size();
      s.canvas.calls.clear();
      s.fly.Tick();
      if (!approach && s.sound.events.size() > sounds) approach = t;
      if (!sting && !s.canvas.Blits(Sheet::Stachel).empty()) sting = t;
      if (!fright && s.plant.scared) fright = t;
    }
    EXPECT_EQ(s.sound.events, (std::vector<SoundEvent>{{wave::kBigFlySetsOut, false},
                                                       {wave::kBigFlyApproach, true}}));
    EXPECT_EQ(approach, 11);  // at x = -210
    EXPECT_EQ(sting, 115);    // from x = 0
    EXPECT_EQ(fright, 116);   // once past x = 0; the small fly wanders on
    EXPECT_EQ(s.plant.counter, 2);
  }
}

}  // namespace
}  // namespace gulpleaf::test
