#include <gtest/gtest.h>

#include <vector>

#include "plantsaver/animation/FramePacing.h"
#include "plantsaver/startup/PreviewAnimation.h"
#include "plantsaver/random/Random.h"

namespace gulpleaf {
namespace {

TEST(FramePacing, SleepsOutTheRestOfThePeriod) {
  struct Case {
    std::uint32_t speed, stepMs, rest;
  } cases[] = {
      {100, 30, 70},   // one frame every 100 ms
      {100, 130, 100}, // overran: a full period follows, one frame every 230 ms
      {100, 100, 1},   // exactly on the deadline
      {0, 0, 1},       // fastest setting still yields the processor
      {0, 5, 0},       // ... and does not sleep after an overrun
      {50, 0, 50},
  };
  for (const Case& c : cases) {
    const std::uint32_t start = 1000;
    EXPECT_EQ(RestAfterStep(start + c.speed, start + c.stepMs, c.speed), c.rest)
        << "speed " << c.speed << " step " << c.stepMs;
  }
}

TEST(FramePacing, WrapsWithTheMillisecondClock) {
  const std::uint32_t start = 0xFFFFFFF0u;  // the clock wraps after 49.7 days
  EXPECT_EQ(RestAfterStep(start + 50, start + 20, 50), 30u);
  EXPECT_EQ(RestAfterStep(start + 50, start + 80, 50), 50u);
}

TEST(PreviewAnimation, BouncesThroughTheFourFrames) {
  PreviewAnimation a;
  std::vector<int> shown;
  for (int i = 0; i < 13; ++i) {
    shown.push_back(a.Frame());
    a.Advance();
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0}));
}

TEST(PreviewAnimation, CentresWithTruncatingDivision) {
  EXPECT_EQ(PreviewAnimation::Left(152), 16);
  EXPECT_EQ(PreviewAnimation::Top(112), 11);
  EXPECT_EQ(PreviewAnimation::Left(121), 0);
  EXPECT_EQ(PreviewAnimation::Left(117), -1);  // -3 / 2 truncates toward zero
  EXPECT_EQ(PreviewAnimation::SourceTop(3), 267);
}

TEST(Random, ThirtyOneBitValuesThatCoverSmallModuli) {
  LcgRandom r(12345);
  int counts[13] = {};
  for (int i = 0; i < 13000; ++i) {
    std::uint32_t v = r.Next();
    ASSERT_LT(v, 0x80000000u);
    ++counts[v % 13];
  }
  for (int c : counts) EXPECT_GT(c, 800);  // roughly uniform: 1000 each
  LcgRandom a(7), b(7);
  EXPECT_EQ(a.Next(), b.Next());
}

}  // namespace
}  // namespace gulpleaf
