#pragma once
// Time and chance for the running slideshow: the system's sleep and tick
// count, and the C runtime's generator seeded from the tick count.
#include <atomic>

#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

class SystemShowClock final : public ShowClock {
 public:
  void Sleep(int milliseconds) override;
  std::uint32_t NowMilliseconds() override;
  // True while the worker sleeps here: a thread held at that point holds no
  // lock of the heap or the graphics system.
  bool IsResting() const { return resting_; }

 private:
  std::atomic<bool> resting_{false};
};

class CrtRandom final : public RandomSource {
 public:
  void Reseed() override;
  int Next() override;
};

}  // namespace lumi
