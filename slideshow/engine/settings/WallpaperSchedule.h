#pragma once
// When the automatic wallpaper change is due; free of the platform so the
// arithmetic can be checked with fixed times.
#include <cstdint>

namespace lumi {

enum WallpaperCycle : int {
  kCycleNever = 0,
  kCycleHourly = 1,
  kCycleDaily = 2,
  kCycleWeekly = 3,
};

// Whole hours between the two times, ignoring direction: a last change in the
// future (the clock was set back) counts as long ago, so the schedule starts
// again rather than waiting for the clock to catch up.
std::int64_t HoursBetween(std::int64_t lastChange, std::int64_t now);

// Cycle 0 is never due, 1 after an hour, 3 after 168 hours and any other
// value after 24 hours. Times are seconds on one scale (time_t).
bool IsWallpaperChangeDue(int cycle, std::int64_t lastChange, std::int64_t now);

}  // namespace lumi
