// Shows the plant saver's preview the way the desktop's Display Properties
// does: a small screen in a window. Closes itself after the given number of
// seconds (first argument; 0 or none keeps it open until closed).
#include <windows.h>

#include <cstdlib>
#include <thread>

#include "plantsaver/startup/Preview.h"

namespace {

constexpr int kScreenW = 152, kScreenH = 112;  // the preview area of the dialog

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  switch (msg) {
    case WM_TIMER:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "ZebPreviewHost";
  RegisterClassA(&wc);
  HWND host = CreateWindowExA(0, wc.lpszClassName, "Display Properties - Screen Saver",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 300, 200, 320,
                              260, nullptr, nullptr, instance, nullptr);
  // The monitor's bezel around the little screen.
  CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, 74, 24, kScreenW + 16,
                  kScreenH + 16, host, nullptr, instance, nullptr);
  HWND screen = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 82, 32,
                                kScreenW, kScreenH, host, nullptr, instance, nullptr);
  int seconds = std::atoi(args);
  if (seconds > 0) SetTimer(host, 1, static_cast<UINT>(seconds) * 1000, nullptr);

  std::thread preview([instance, screen] { gulpleaf::RunPreview(instance, screen); });
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // Destroying the host destroyed the preview's window, which ends the preview.
  preview.join();
  return 0;
}
