#pragma once
// A form: one top-level window with the events the programs react to
// (create, show, close query, close, paint). Subclasses override the events;
// the window procedure only decodes messages and forwards them.
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"
#include "common/Window.h"

namespace zeb {

struct FormStyle {
  std::string caption;
  bool bordered = true;  // false: no border and no border icons
  bool topMost = false;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 320, height = 200;
};

class Form : public Window {
 public:
  Form() = default;
  ~Form() override;

  // Creates the window (hidden) and fires OnCreate; false when it failed.
  bool Create(const FormStyle& style);
  bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

  void Show();
  void Hide();
  // Shows the form modally: other top-level windows of the program are
  // disabled until the form closes. Returns when it is closed.
  void ShowModal();
  bool Modal() const { return modal_; }
  // Asks the form to close: runs the close query and, when allowed, the close
  // event; the main form then ends the application, others are hidden.
  void Close();

  void SetColor(COLORREF color);
  COLORREF Color() const { return color_; }
  void SetCursorHidden(bool hidden);
  void SetBounds(int x, int y, int width, int height);
  void Maximize();
  void BringToFront();
  int ClientWidth() const;
  int ClientHeight() const;
  // The form's drawing surface, valid while the window exists.
  HDC Canvas();

 protected:
  virtual void OnCreate() {}
  virtual void OnShow() {}
  virtual bool OnCloseQuery() { return true; }
  virtual void OnClose() {}
  virtual void OnPaint(HDC) {}
  // Subclasses that need further messages override this and call the base.
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnHandlerError(const char* what) override;

 private:
  LRESULT OnEraseBackground(HDC dc);
  LRESULT OnPaintMessage();
  bool OnSetCursor(LPARAM lParam);

  WindowDcGuard canvas_;
  COLORREF color_ = RGB(0xF0, 0xF0, 0xF0);
  GdiObjectGuard brush_;
  bool cursorHidden_ = false;
  bool modal_ = false;
  bool modalDone_ = false;
};

}  // namespace zeb
