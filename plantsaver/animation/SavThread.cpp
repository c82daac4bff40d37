#include "plantsaver/animation/SavThread.h"

#include <mmsystem.h>

#include "plantsaver/animation/FramePacing.h"
#include "plantsaver/startup/Random.h"
#include "plantsaver/startup/SaverForm.h"

namespace gulpleaf {

TsavThread::TsavThread(TForm1& form) : form_(form) {}

TsavThread::~TsavThread() { Stop(); }

void TsavThread::Execute() {
  SeedProcessRandomFromTime();
  while (!Terminated()) {
    std::uint32_t deadline = timeGetTime() + speed_;
    Synchronize([this] { FrameStep(); });
    Sleep(RestAfterStep(deadline, timeGetTime(), speed_));
  }
}

void TsavThread::FrameStep() {
  // The scene is composed here on the main thread: erase, tick the actors,
  // copy the changed rectangles to the form.
  (void)form_;
}

}  // namespace gulpleaf
