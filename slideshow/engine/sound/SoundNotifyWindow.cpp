#include "slideshow/engine/sound/SoundNotifyWindow.h"

#include <mmsystem.h>

namespace lumi {

bool SoundNotifyWindow::Create(HWND parent) {
  if (!parent) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassOnce(wc);
  if (!CreateBound(0, kClassName, kTitle, WS_CHILD, 0, 0, 100, 100, parent, instance)) return false;
  // A child's menu handle is its control id; CreateBound leaves it 0.
  SetWindowLongPtrA(hwnd_, GWLP_ID, kControlId);
  return true;
}

LRESULT SoundNotifyWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == MM_MCINOTIFY) {
    if (forward_) forward_(wParam, static_cast<UINT>(lParam));
    return 0;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

}  // namespace lumi
