#pragma once
// A thread object in the style the savers are written in: created suspended,
// resumed by its owner, asked to terminate through a flag, and able to hand a
// step to the main thread and wait until that step has run there.
#include <windows.h>

#include <atomic>
#include <functional>

namespace zeb {

class Thread {
 public:
  Thread();
  virtual ~Thread();
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Creates the system thread in the suspended state; false when that failed.
  bool Create();
  void Resume();
  bool Suspended() const { return suspended_; }
  // Sets the terminate request; the run loop sees it at its next check.
  void Terminate() { terminated_ = true; }
  // Waits for the thread to end. On the main thread it keeps serving steps that
  // the thread hands over meanwhile, so a thread blocked in Synchronize can
  // still finish instead of deadlocking with the waiter.
  void WaitFor();
  bool Finished() const { return finished_; }
  // Terminate, resume if suspended, and wait: what an owner does before the
  // object goes away. Subclass destructors call it while their members live.
  void Stop();

 protected:
  virtual void Execute() = 0;
  bool Terminated() const { return terminated_; }
  // Runs step on the main thread and returns when it has run there: true when
  // it ran to its end, false when it threw (or could not be handed over), so
  // that the caller does not go on with half-built state.
  bool Synchronize(const std::function<void()>& step);

 private:
  static DWORD WINAPI ThreadProc(LPVOID self) noexcept;

  HANDLE handle_ = nullptr;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  bool suspended_ = false;
};

// Serves the main thread's side of the hand-off: created once on the main
// thread before any worker hands over a step.
void InitMainThreadHandOff();

}  // namespace zeb
