#pragma once
// The caption bar's timing for one picture, as a list of steps: each step
// waits its tenth of a second (or nothing) and then perhaps draws the bar
// risen by some pixels. Free of the platform, so the timing can be read
// without drawing anything.
#include <vector>

namespace lumi {

inline constexpr int kCaptionBarHeight = 30;
inline constexpr int kCaptionRisePerStep = 2;
inline constexpr int kCaptionMinRiseSteps = 15;  // 15 x 2 pixels: the whole bar
inline constexpr int kCaptionSliceMs = 100;
inline constexpr int kCaptionPauseMs = 1000;  // before the bar starts to rise

struct CaptionStep {
  static constexpr int kNoDraw = -1;
  int sleepMs = 0;     // 0: draw at once
  int rise = kNoDraw;  // pixels the bar stands above the bottom edge
};

// The steps for the rest of a picture's display time. Without a message the
// time is only waited out. With one, a picture that has time left pauses a
// second, then lets the bar rise 2 pixels every tenth (for at least 15
// tenths, even when less time was left, so that the bar is always seen
// whole), then waits out what is left; a picture whose time is used up gets
// its bar at once and no wait.
std::vector<CaptionStep> PlanCaption(int seconds, bool hasMessage);

}  // namespace lumi
