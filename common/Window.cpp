#include "common/Window.h"

#include <exception>

namespace zeb {

Window::~Window() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterClassOnce(WNDCLASSA wc) {
  WNDCLASSA existing;
  if (GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing)) return;
  wc.lpfnWndProc = WindowProc;
  RegisterClassA(&wc);
}

bool Window::CreateBound(DWORD exStyle, const char* className, const char* title, DWORD style,
                         int x, int y, int width, int height, HWND parent, HINSTANCE instance) {
  return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                         instance, this) != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void Window::OnHandlerError(const char*) {}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    self->OnHandlerError(e.what());
  } catch (...) {
    self->OnHandlerError("unexpected error");
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnFinalMessage();
  }
  return result;
}

INT_PTR Dialog::DoModal(HWND parent) {
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(HWND parent) {
  return CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM) { return false; }

void Dialog::OnHandlerError(const char*) {}

INT_PTR CALLBACK Dialog::DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = dlg;
    SetWindowLongPtrA(dlg, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
  }
  if (!self) return FALSE;
  // At WM_INITDIALOG the answer says whether Windows sets the focus; a
  // dialog whose initialisation failed still gets it.
  INT_PTR result = msg == WM_INITDIALOG ? TRUE : FALSE;
  try {
    if (msg == WM_INITDIALOG) {
      result = self->OnInitDialog();
    } else {
      result = self->HandleMessage(msg, wParam, lParam) ? TRUE : FALSE;
    }
  } catch (const std::exception& e) {
    self->OnHandlerError(e.what());
  } catch (...) {
    self->OnHandlerError("unexpected error");
  }
  if (msg == WM_NCDESTROY) {
    // A modeless dialog's object may outlive its window; it must not keep
    // a handle that Windows can give to another window, even when its last
    // handler threw.
    SetWindowLongPtrA(dlg, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace zeb
