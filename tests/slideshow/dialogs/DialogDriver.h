#pragma once
// Plays the user of a modal dialog from another thread while the dialog runs
// on the test's thread: waits for the dialog by caption, lets the test look
// at it and act on it, and gives up after a while so a dialog that never
// comes cannot hang the test.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace lumi::test {

class DialogDriver {
 public:
  // act runs once the dialog with this caption is shown; it must close it.
  DialogDriver(std::string caption, std::function<void(HWND)> act, DWORD waitMs = 10000)
      : caption_(std::move(caption)),
        act_(std::move(act)),
        thread_([this, waitMs] { Play(waitMs); }) {}
  ~DialogDriver() { Join(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Stops waiting for a dialog that has not come (the call that would have
  // shown it returned).
  void Stop() {
    stop_ = true;
    Join();
  }
  // Whether the dialog came, once the driver is done.
  bool Found() {
    Join();
    return found_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  void Play(DWORD waitMs) {
    HWND dialog = nullptr;
    for (DWORD waited = 0; waited < waitMs && !stop_; waited += 20) {
      dialog = FindWindowA("#32770", caption_.c_str());
      // Found as soon as it exists; shown once initialised.
      if (dialog && IsWindowVisible(dialog)) break;
      dialog = nullptr;
      Sleep(20);
    }
    if (!dialog) return;
    found_ = true;
    act_(dialog);
  }

  std::string caption_;
  std::function<void(HWND)> act_;
  bool found_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

inline std::string ItemText(HWND dialog, int id) {
  char text[1024] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

inline std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace lumi::test
