#pragma once
// The slideshow's worker thread and what the saver window does with it:
// begin it, hold it still while the password prompt is up, and stop it,
// killing it when it does not leave its loop in time.
#include <windows.h>

namespace lumi {

class CSlideShow;
struct ShowParams;

class CSlideShowThread {
 public:
  explicit CSlideShowThread(CSlideShow& show) : show_(show) {}
  // Closes the handle only; the owner stops the worker first.
  ~CSlideShowThread();
  CSlideShowThread(const CSlideShowThread&) = delete;
  CSlideShowThread& operator=(const CSlideShowThread&) = delete;

  // Normal priority, default stack, running at once. False when the system
  // could not create the thread.
  bool Begin();
  void Suspend();
  void Resume();
  // Sets stop and looks every 10 ms, 20 times, whether the worker has left
  // its loop; if not, the thread is killed. True when it ended by itself.
  bool Stop();

 private:
  static DWORD WINAPI ThreadProc(LPVOID param) noexcept;

  CSlideShow& show_;
  HANDLE handle_ = nullptr;
};

// Starts the controller; with nothing to show, the progress dialog is closed
// at once, since no first picture will ever hide it.
bool StartSlideShow(CSlideShow& show, const ShowParams& params, HWND progress);

}  // namespace lumi
