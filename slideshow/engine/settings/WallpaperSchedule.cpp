#include "slideshow/engine/settings/WallpaperSchedule.h"

namespace lumi {

std::int64_t HoursBetween(std::int64_t lastChange, std::int64_t now) {
  const std::int64_t hours = (now - lastChange) / 3600;  // truncates toward zero
  return hours < 0 ? -hours : hours;
}

bool IsWallpaperChangeDue(int cycle, std::int64_t lastChange, std::int64_t now) {
  if (cycle == kCycleNever) return false;
  const std::int64_t hours = HoursBetween(lastChange, now);
  if (cycle == kCycleHourly) return hours >= 1;
  if (cycle == kCycleWeekly) return hours >= 168;
  return hours >= 24;
}

}  // namespace lumi
