#include "common/Application.h"

#include "common/Form.h"

namespace zeb {
namespace {
constexpr char kAppClass[] = "ZebApplication";

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

Application& Application::Instance() {
  static Application app;
  return app;
}

void Application::Initialize(HINSTANCE instance) {
  instance_ = instance;
  WNDCLASSA wc{};
  wc.lpfnWndProc = AppWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.lpszClassName = kAppClass;
  RegisterClassA(&wc);
  // Never shown: it stands for the program on the taskbar and owns the forms.
  window_ = CreateWindowExA(0, kAppClass, title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
                            0, 0, 0, nullptr, nullptr, instance, nullptr);
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  if (window_) SetWindowTextA(window_, title_.c_str());
}

void Application::AddForm(Form* form) {
  if (!mainForm_) mainForm_ = form;
}

bool Application::HandleMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    terminated_ = true;
    return false;
  }
  try {
    if (hook_ && hook_(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  } catch (const std::exception& e) {
    ShowException(e);
  }
  return true;
}

void Application::Run() {
  while (!terminated_ && HandleMessage()) {
  }
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::ShowException(const std::exception& e) const {
  MessageBoxA(window_, e.what(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace zeb
