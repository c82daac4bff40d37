#pragma once
// A caption timer that never sleeps: it counts the slices asked for, lets a
// test look at the picture at each one, and reports a stop after a given
// number of slices.
#include <functional>

#include "slideshow/display/captions/CaptionTimer.h"

namespace lumi::test {

class StepTimer final : public CaptionTimer {
 public:
  explicit StepTimer(int stopAfter = -1, std::function<void()> onSleep = {})
      : stopAfter_(stopAfter), onSleep_(std::move(onSleep)) {}
  bool StopRequested() const override { return stopAfter_ >= 0 && sleeps_ >= stopAfter_; }
  void Sleep(int ms) override {
    ++sleeps_;
    slept_ += ms;
    if (onSleep_) onSleep_();
  }
  int Sleeps() const { return sleeps_; }
  int Slept() const { return slept_; }

 private:
  int stopAfter_;
  std::function<void()> onSleep_;
  int sleeps_ = 0;
  int slept_ = 0;
};

}  // namespace lumi::test
