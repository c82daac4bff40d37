#pragma once
// The one window procedure and the one dialog procedure of both programs:
// they bind the C++ object to its window when the window is made and forward
// every message to it. No exception crosses them.
#include <windows.h>

namespace zeb {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

  // Registers a class whose windows are served by this procedure (once per
  // process; later calls find it registered).
  static void RegisterClassOnce(WNDCLASSA wc);

 protected:
  // Creates the window with this object bound to it.
  bool CreateBound(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                   int y, int width, int height, HWND parent, HINSTANCE instance);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // After the window's last message; an object that owns itself deletes itself here.
  virtual void OnFinalMessage() {}
  // Called when a handler threw: the message is answered with 0.
  virtual void OnHandlerError(const char* what);

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
};

class Dialog {
 public:
  Dialog(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  INT_PTR DoModal(HWND parent);
  // Creates the dialog modeless, owned by parent; it shows itself only if its
  // template is visible. The owner's message loop runs it; whoever created it
  // destroys it (DestroyWindow, not EndDialog). False when creation failed.
  bool CreateModeless(HWND parent);
  // Null before the dialog is made and again once its window is destroyed.
  HWND Handle() const { return hwnd_; }

  // The message a dialog sends to the control named in a WM_DRAWITEM it did
  // not handle itself, with the same parameters; a control that draws itself
  // answers TRUE.
  static UINT ReflectedDrawItemMessage();

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // True when the message was handled.
  virtual bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // Called when a handler threw: the message counts as not handled.
  virtual void OnHandlerError(const char* what);
  HINSTANCE Instance() const { return instance_; }
  int TemplateId() const { return templateId_; }
  // A few messages (WM_QUERYDRAGICON, WM_CTLCOLOR...) are answered by the
  // dialog procedure's own return value, not DWLP_MSGRESULT: a handler that
  // returns true sets that value here, as its last step.
  void AnswerDirectly(INT_PTR value) {
    directAnswer_ = value;
    hasDirectAnswer_ = true;
  }

  // The one dialog procedure. At WM_INITDIALOG its lParam points to a
  // PROPSHEETPAGEA whose lParam is the object: a property sheet gives its
  // pages the page record they were made from, and DoModal and
  // CreateModeless pass such a record too, so dialogs and pages bind alike.
  static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  HWND hwnd_ = nullptr;

 private:
  HINSTANCE instance_;
  int templateId_;
  INT_PTR directAnswer_ = 0;
  bool hasDirectAnswer_ = false;
};

}  // namespace zeb
