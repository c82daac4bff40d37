#include <gtest/gtest.h>

#include "slideshow/engine/settings/MessageChoice.h"
#include "slideshow/engine/settings/WallpaperSchedule.h"

namespace lumi {
namespace {

TEST(WallpaperScheduleTest, DueAfterTheCyclesHoursInEitherDirection) {
  constexpr std::int64_t kHour = 3600, kNow = 1'700'000'000, kNeverChanged = 631'155'600;
  const struct {
    int cycle;
    std::int64_t ago;  // negative: the last change lies in the future
    bool due;
  } cases[] = {
      {0, 10'000 * kHour, false},
      {1, 59 * 60, false},
      {1, 60 * 60, true},
      {1, kHour - 1, false},
      {1, -kHour, true},
      {1, -59 * 60, false},
      {2, 24 * kHour - 1, false},
      {2, -30 * kHour, true},
      {2, -23 * kHour, false},
      {3, 167 * kHour, false},
      {3, 168 * kHour - 1, false},
      {3, 168 * kHour, true},
      {7, 24 * kHour, true},  // a cycle outside 0..3 read from the file acts daily
      {7, 23 * kHour, false},
      {-1, 24 * kHour, true},
      // Never changed: the stored default, 1990, is long past for every cycle.
      {1, kNow - kNeverChanged, true},
      {3, kNow - kNeverChanged, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsWallpaperChangeDue(c.cycle, kNow - c.ago, kNow), c.due)
        << "cycle " << c.cycle << ", " << c.ago << " s ago";
  }
}

TEST(MessageChoiceTest, SequenceStartsAgainAfterTheLastOrAnUnusableNumber) {
  const struct {
    int last, count, next;
  } cases[] = {
      {-1, 3, 0}, {1, 3, 2}, {2, 3, 0},
      {0, 1, 0},  {7, 3, 0},  // left by a saver with more messages in the shared user file
      {-9, 3, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextSequentialMessage(c.last, c.count), c.next) << c.last << " of " << c.count;
  }
}

}  // namespace
}  // namespace lumi
