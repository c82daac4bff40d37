#include "slideshow/display/SaverWnd.h"

#include <windowsx.h>

#include <cstdlib>

#include "slideshow/engine/EngineApp.h"

namespace lumi {

bool CSaverWnd::CreateWindowIn(HINSTANCE instance, HWND parent, const RECT& r, DWORD style) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kClassName;
  RegisterClassOnce(wc);
  return CreateBound(fullScreen_ ? WS_EX_TOPMOST : 0, kClassName, CEngineApp::kSaverWindowTitle,
                     style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent, instance);
}

bool CSaverWnd::CreateFullScreen(HINSTANCE instance) {
  fullScreen_ = true;
  RECT r;
  GetClientRect(GetDesktopWindow(), &r);
  if (!CreateWindowIn(instance, GetDesktopWindow(), r, WS_POPUP | WS_VISIBLE)) return false;
  ownsItself_ = true;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 3);
  SetCursor(nullptr);
  SetFocus(hwnd_);
  return true;
}

bool CSaverWnd::CreatePreview(HINSTANCE instance, HWND parent) {
  RECT r{};
  GetClientRect(parent, &r);
  if (!CreateWindowIn(instance, parent, r, WS_CHILD | WS_VISIBLE)) return false;
  ownsItself_ = true;
  return true;
}

void CSaverWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xB0, 0xB0, 0xB0));
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  std::string text = saverTitle_ +
                     "\n\nThe slideshow will play here: pictures fitted to the screen with "
                     "transitions, titles, captions and music. It is not built yet.";
  if (fullScreen_) text += "\n\nMove the mouse or press a key to end.";
  InflateRect(&r, -16, -16);
  RECT measure = r;
  DrawTextA(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
  int h = measure.bottom - measure.top;
  r.top += (r.bottom - r.top - h) / 2;
  DrawTextA(dc, text.c_str(), -1, &r, DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
}

void CSaverWnd::RequestClose() {
  if (closing_ || !fullScreen_) return;
  closing_ = true;
  DestroyWindow(hwnd_);
}

void CSaverWnd::OnMouseMove(int x, int y) {
  if (lastX_ == 0 && lastY_ == 0) {
    lastX_ = x;
    lastY_ = y;
    return;
  }
  if (std::abs(x - lastX_) > 2 || std::abs(y - lastY_) > 2) RequestClose();
  lastX_ = x;
  lastY_ = y;
}

LRESULT CSaverWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SETCURSOR:
      if (fullScreen_) {
        SetCursor(nullptr);
        return TRUE;
      }
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      RequestClose();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_DESTROY:
      if (fullScreen_) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 3);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void CSaverWnd::OnFinalMessage() {
  // Once made, the window owns itself: start-up hands it over and never sees
  // it again. Before that the creator still owns the object.
  if (ownsItself_) delete this;
}

}  // namespace lumi
