#include <gtest/gtest.h>

#include "ActorTestWorld.h"

namespace gulpleaf::test {
namespace {

constexpr int kW = 1024, kH = 768;

TEST(Can, StandingCanBlinksForThreeTicks) {
  Scene s(kW, kH);
  s.scripted.script = {5, 0, 35, 0, 7};  // a blink starts on the second tick
  std::vector<int> eyes;
  for (int i = 0; i < 6; ++i) {
    s.can.Tick();
    const auto drawn = s.canvas.Blits(Sheet::KanBlinz);
    eyes.push_back(drawn.back().sy / 162);
  }
  EXPECT_EQ(eyes, (std::vector<int>{0, 1, 1, 1, 0, 0}));  // no new blink during one
  const DrawCall mask = s.canvas.Blits(Sheet::KanBlinzMask).front();
  EXPECT_EQ((Point{mask.x, mask.y}), (Point{-222, kH - 210 + 46}));  // just off screen
}

TEST(Can, TrumpetsNineTimesThenStands) {
  Scene s(kW, kH);
  s.can.position = {0, kH - 210};
  s.can.state = TKanne::Trumpet;
  s.can.tootsLeft = 8;
  int ticks = 0;
  for (; s.can.state == TKanne::Trumpet && ticks < 100; ++ticks) s.can.Tick();
  EXPECT_EQ(ticks, 25);  // a toot at once, then every third tick
  const auto toots = s.canvas.Blits(Sheet::KannTroet);
  ASSERT_EQ(toots.size(), 9u);
  for (std::size_t i = 0; i < toots.size(); ++i) {
    EXPECT_EQ(toots[i].sy, i % 2 == 0 ? 160 : 0);
    EXPECT_EQ((Point{toots[i].x, toots[i].y}), (Point{13, kH - 160}));
  }
}

}  // namespace
}  // namespace gulpleaf::test
