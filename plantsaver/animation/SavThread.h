#pragma once
// TsavThread paces the animation: once per frame period it hands one frame
// step to the main thread and sleeps out the rest of the period.
#include <windows.h>

#include <cstdint>

#include "common/Thread.h"

namespace gulpleaf {

class TForm1;

class TsavThread final : public zeb::Thread {
 public:
  explicit TsavThread(TForm1& form);
  ~TsavThread() override;

 protected:
  void Execute() override;

 private:
  void FrameStep();

  TForm1& form_;
  std::uint32_t speed_ = 50;
};

}  // namespace gulpleaf
