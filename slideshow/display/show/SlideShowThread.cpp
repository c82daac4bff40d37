#include "slideshow/display/show/SlideShowThread.h"

#include "slideshow/display/show/SlideShow.h"

namespace lumi {

namespace {

constexpr int kStopPolls = 20;
constexpr DWORD kStopPollMs = 10;
constexpr DWORD kKilledWaitMs = 1000;

}  // namespace

CSlideShowThread::~CSlideShowThread() {
  if (handle_ != nullptr) CloseHandle(handle_);
}

bool CSlideShowThread::Begin() {
  if (handle_ != nullptr) return false;
  show_.MarkThreadStarting();
  DWORD id = 0;
  handle_ = CreateThread(nullptr, 0, &CSlideShowThread::ThreadProc, &show_, 0, &id);
  if (handle_ == nullptr) {
    show_.MarkThreadEnded();
    return false;
  }
  return true;
}

void CSlideShowThread::Suspend() {
  if (handle_ == nullptr) return;
  show_.SetSuspended(true);
  SuspendThread(handle_);
  // SuspendThread only asks; reading the thread's context waits until it
  // has really stopped, so that what the caller looks at next is settled.
  CONTEXT context{};
  context.ContextFlags = CONTEXT_CONTROL;
  GetThreadContext(handle_, &context);
}

void CSlideShowThread::Resume() {
  if (handle_ == nullptr) return;
  ResumeThread(handle_);
  show_.SetSuspended(false);
}

bool CSlideShowThread::Stop() {
  show_.RequestStop();
  for (int i = 0; i < kStopPolls; ++i) {
    if (!show_.IsThreadRunning()) return true;
    Sleep(kStopPollMs);
  }
  if (!show_.IsThreadRunning()) return true;
  if (handle_ != nullptr) {
    TerminateThread(handle_, 0);
    WaitForSingleObject(handle_, kKilledWaitMs);
  }
  show_.MarkThreadEnded();
  return false;
}

DWORD WINAPI CSlideShowThread::ThreadProc(LPVOID param) noexcept {
  auto* show = static_cast<CSlideShow*>(param);
  try {
    show->RunWorker();
  } catch (...) {
    show->MarkThreadEnded();
  }
  return 0;
}

bool StartSlideShow(CSlideShow& show, const ShowParams& params, HWND progress) {
  const bool hasPictures = show.Start(params);
  if (!hasPictures && progress != nullptr) PostMessageA(progress, WM_CLOSE, 0, 0);
  return hasPictures;
}

}  // namespace lumi
