#pragma once
// How the caption bar waits: in slices, asking between them whether the
// slideshow is stopping. The slideshow gives the real one; tests give one
// that steps time without sleeping.
#include <functional>

namespace lumi {

class CaptionTimer {
 public:
  virtual ~CaptionTimer() = default;
  virtual bool StopRequested() const = 0;
  virtual void Sleep(int ms) = 0;
};

// Sleeps for real and asks the slideshow's stop flag.
class SystemCaptionTimer final : public CaptionTimer {
 public:
  explicit SystemCaptionTimer(std::function<bool()> stopRequested)
      : stopRequested_(std::move(stopRequested)) {}
  bool StopRequested() const override { return stopRequested_ && stopRequested_(); }
  void Sleep(int ms) override;

 private:
  std::function<bool()> stopRequested_;
};

}  // namespace lumi
