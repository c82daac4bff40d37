#include "common/Window.h"

#include <commctrl.h>

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

namespace {

// The record DialogProc binds from; it only has to live until WM_INITDIALOG,
// which both calls send before they return.
PROPSHEETPAGEA BindingRecord(Dialog* dialog) {
  PROPSHEETPAGEA record{};
  record.dwSize = PROPSHEETPAGEA_V1_SIZE;
  record.lParam = reinterpret_cast<LPARAM>(dialog);
  return record;
}

// Lets a control that draws itself (an owner-drawn button) do so without
// its dialog knowing it: an unhandled WM_DRAWITEM goes back to the control.
// Controls of other classes answer 0 to a message they do not know.
BOOL ReflectDrawItem(LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!item || item->CtlType == ODT_MENU || !IsWindow(item->hwndItem)) return FALSE;
  return SendMessageA(item->hwndItem, Dialog::ReflectedDrawItemMessage(), 0, lParam) ? TRUE : FALSE;
}

}  // namespace

INT_PTR Dialog::DoModal(HWND parent) {
  PROPSHEETPAGEA record = BindingRecord(this);
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                         reinterpret_cast<LPARAM>(&record));
}

bool Dialog::CreateModeless(HWND parent) {
  PROPSHEETPAGEA record = BindingRecord(this);
  return CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                            reinterpret_cast<LPARAM>(&record)) != nullptr;
}

UINT Dialog::ReflectedDrawItemMessage() {
  static const UINT message = RegisterWindowMessageA("Zeb.ReflectedDrawItem");
  return message;
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM) { return false; }

void Dialog::OnHandlerError(const char*) {}

INT_PTR CALLBACK Dialog::DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    const auto* record = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    self = record ? reinterpret_cast<Dialog*>(record->lParam) : nullptr;
    if (!self) return FALSE;
    self->hwnd_ = dlg;
    SetWindowLongPtrA(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
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
      self->hasDirectAnswer_ = false;
      result = self->HandleMessage(msg, wParam, lParam) ? TRUE : FALSE;
      if (result && self->hasDirectAnswer_) result = self->directAnswer_;
    }
  } catch (const std::exception& e) {
    self->OnHandlerError(e.what());
  } catch (...) {
    self->OnHandlerError("unexpected error");
  }
  if (msg == WM_DRAWITEM && result == FALSE) result = ReflectDrawItem(lParam);
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
