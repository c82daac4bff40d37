#pragma once
// CSaverWnd: the window the slideshow runs in, full-screen or as a child of
// the display settings' preview window. Its title marks a running saver.
// The slideshow itself plays here once it is built; meanwhile the window says
// so and behaves as the saver does: it ends on a key, a click or a movement.
#include <windows.h>

#include <string>

#include "common/Window.h"

namespace lumi {

class CSaverWnd final : public zeb::Window {
 public:
  explicit CSaverWnd(std::string saverTitle) : saverTitle_(std::move(saverTitle)) {}
  // Full-screen: a top-most black popup over the desktop. Once a window is
  // made the object belongs to it and is deleted with it; on failure the
  // caller still owns the object.
  bool CreateFullScreen(HINSTANCE instance);
  // Preview: a child filling the host window's client area.
  bool CreatePreview(HINSTANCE instance, HWND parent);

  static constexpr const char kClassName[] = "LumishowSaverWindow";

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage() override;
  bool CreateWindowIn(HINSTANCE instance, HWND parent, const RECT& r, DWORD style);
  void OnPaint();
  void OnMouseMove(int x, int y);
  void RequestClose();

  std::string saverTitle_;
  bool fullScreen_ = false;
  bool closing_ = false;
  bool ownsItself_ = false;
  int lastX_ = 0, lastY_ = 0;
};

}  // namespace lumi
