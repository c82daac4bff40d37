#include "slideshow/display/captions/CaptionSchedule.h"

#include <algorithm>

namespace lumi {

std::vector<CaptionStep> PlanCaption(int seconds, bool hasMessage) {
  std::vector<CaptionStep> steps;
  int tenths = seconds > 0 ? seconds * 10 : 0;
  if (hasMessage) {
    if (seconds > 0) {
      for (int waited = 0; waited < kCaptionPauseMs; waited += kCaptionSliceMs)
        steps.push_back({kCaptionSliceMs, CaptionStep::kNoDraw});
      const int riseSteps = std::max(tenths, kCaptionMinRiseSteps);
      // The first step already shows 2 pixels, so the 15th shows the whole
      // bar; later steps would raise it beyond its height and draw nothing.
      for (int i = 1; i <= riseSteps; ++i) {
        const int rise = i * kCaptionRisePerStep;
        steps.push_back({kCaptionSliceMs, rise <= kCaptionBarHeight ? rise : CaptionStep::kNoDraw});
      }
      tenths = std::max(tenths - riseSteps, 0);
    } else {
      steps.push_back({0, kCaptionBarHeight});
    }
  }
  for (; tenths > 0; --tenths) steps.push_back({kCaptionSliceMs, CaptionStep::kNoDraw});
  return steps;
}

}  // namespace lumi
