#pragma once
// The application object: one per process. It owns the program's own hidden
// window (the one the taskbar shows for the program), the main form, and the
// message loop with its message hook, which sees every queued message before
// it is dispatched and may discard it.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace zeb {

class Form;

class Application {
 public:
  // Returns true when the message was handled and must be discarded.
  using MessageHook = std::function<bool(MSG&)>;

  static Application& Instance();

  void Initialize(HINSTANCE instance);
  HINSTANCE InstanceHandle() const { return instance_; }
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }
  HWND Handle() const { return window_; }

  // The first form handed here becomes the main form: closing it ends Run.
  void AddForm(Form* form);
  Form* MainForm() const { return mainForm_; }

  void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }
  void ClearMessageHook() { hook_ = nullptr; }

  // Runs the message loop until Terminate. Exceptions thrown by handlers are
  // shown with ShowException and the loop goes on.
  void Run();
  // Takes one message (waiting for it), passes it through the hook and
  // dispatches it; false once WM_QUIT arrived.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ShowException(const std::exception& e) const;

 private:
  Application() = default;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  std::string title_;
  Form* mainForm_ = nullptr;
  MessageHook hook_;
  bool terminated_ = false;
};

}  // namespace zeb
