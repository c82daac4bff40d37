#include "common/Thread.h"

namespace zeb {
namespace {

constexpr UINT kRunStep = WM_APP + 0x3A0;
constexpr char kHandOffClass[] = "ZebHandOff";
HWND handOffWindow = nullptr;

// What the hand-off window answers: only a step that ran to its end answers
// kStepRan, so a failed step, and a message that never reached the window
// (SendMessage then answers 0), both read as a failure on the worker's side.
constexpr LRESULT kStepRan = 1;

LRESULT CALLBACK HandOffProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == kRunStep) {
    auto* step = reinterpret_cast<const std::function<void()>*>(lParam);
    try {
      (*step)();
      return kStepRan;
    } catch (...) {
      // The exception stays on this side of the window procedure; the worker
      // learns of it from the answer and decides whether to go on.
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void InitMainThreadHandOff() {
  if (handOffWindow) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = HandOffProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kHandOffClass;
  RegisterClassA(&wc);
  // A message-only window: it never shows, and messages sent to it run on the
  // thread that created it, which is what makes the hand-off synchronous.
  handOffWindow = CreateWindowExA(0, kHandOffClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
}

Thread::Thread() { InitMainThreadHandOff(); }

Thread::~Thread() {
  if (!handle_) return;
  Stop();
  CloseHandle(handle_);
}

void Thread::Stop() {
  if (!handle_ || finished_) return;
  Terminate();
  Resume();
  WaitFor();
}

bool Thread::Create() {
  DWORD id = 0;
  handle_ = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &id);
  suspended_ = handle_ != nullptr;
  return handle_ != nullptr;
}

void Thread::Resume() {
  if (handle_ && suspended_) {
    suspended_ = false;
    ResumeThread(handle_);
  }
}

void Thread::WaitFor() {
  if (!handle_) return;
  for (;;) {
    DWORD r = MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE, QS_SENDMESSAGE);
    if (r != WAIT_OBJECT_0 + 1) break;
    // Dispatches only the sent messages (the pending hand-off); posted input
    // stays queued for the message loop.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

bool Thread::Synchronize(const std::function<void()>& step) {
  if (!handOffWindow) return false;
  return SendMessageA(handOffWindow, kRunStep, 0, reinterpret_cast<LPARAM>(&step)) == kStepRan;
}

DWORD WINAPI Thread::ThreadProc(LPVOID self) noexcept {
  auto* thread = static_cast<Thread*>(self);
  try {
    thread->Execute();
  } catch (...) {
    // Nothing may cross the thread boundary; the owner sees the thread end.
  }
  thread->finished_ = true;
  return 0;
}

}  // namespace zeb
