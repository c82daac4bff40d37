#pragma once
// CSaverWnd: the window the slideshow runs in, full-screen or as a child of
// the display settings' preview window. Its title marks a running saver.
// The slideshow itself plays here once it is built; meanwhile the window says
// so and behaves as the saver does: it ends on a key, a click or a movement.
#include <windows.h>

#include <string>

namespace lumi {

class CSaverWnd {
 public:
  explicit CSaverWnd(std::string saverTitle) : saverTitle_(std::move(saverTitle)) {}
  // Full-screen: a top-most black popup over the desktop; the object deletes
  // itself when the window is destroyed.
  bool CreateFullScreen(HINSTANCE instance);
  // Preview: a child filling the host window's client area.
  bool CreatePreview(HINSTANCE instance, HWND parent);

  static constexpr const char kClassName[] = "LumishowSaverWindow";

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool CreateWindowIn(HINSTANCE instance, HWND parent, const RECT& r, DWORD style);
  void OnPaint();
  void OnMouseMove(int x, int y);
  void RequestClose();

  std::string saverTitle_;
  HWND hwnd_ = nullptr;
  bool fullScreen_ = false;
  bool closing_ = false;
  int lastX_ = 0, lastY_ = 0;
};

}  // namespace lumi
