#include "common/Form.h"

#include <stdexcept>

#include "common/Application.h"

namespace zeb {
namespace {
constexpr char kFormClass[] = "ZebForm";

void RegisterFormClass(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  Window::RegisterClassOnce(wc);
}
}  // namespace

// The canvas and the brush are released by their guards, before the window
// itself is destroyed by the base class.
Form::~Form() = default;

bool Form::Create(const FormStyle& style) {
  Application& app = Application::Instance();
  RegisterFormClass(app.InstanceHandle());
  DWORD ws = style.bordered ? WS_OVERLAPPEDWINDOW : WS_POPUP;
  DWORD ex = style.topMost ? WS_EX_TOPMOST : 0;
  if (!CreateBound(ex, kFormClass, style.caption.c_str(), ws, style.x, style.y, style.width,
                   style.height, app.Handle(), app.InstanceHandle())) {
    return false;
  }
  app.AddForm(this);
  OnCreate();
  return true;
}

void Form::Show() {
  if (!hwnd_) return;
  OnShow();
  ShowWindow(hwnd_, IsZoomed(hwnd_) ? SW_SHOWMAXIMIZED : SW_SHOW);
  UpdateWindow(hwnd_);
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Form::ShowModal() {
  Application& app = Application::Instance();
  HWND owner = app.MainForm() && app.MainForm() != this ? app.MainForm()->Handle() : nullptr;
  if (owner) EnableWindow(owner, FALSE);
  modal_ = true;
  modalDone_ = false;
  Show();
  while (!modalDone_ && app.HandleMessage()) {
  }
  modal_ = false;
  if (owner) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
  }
  Hide();
}

void Form::Close() {
  if (!OnCloseQuery()) return;
  OnClose();
  if (modal_) {
    modalDone_ = true;
  } else if (Application::Instance().MainForm() == this) {
    Application::Instance().Terminate();
  } else {
    Hide();
  }
}

void Form::SetColor(COLORREF color) {
  color_ = color;
  brush_.Reset(CreateSolidBrush(color));
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::SetCursorHidden(bool hidden) {
  cursorHidden_ = hidden;
  POINT p;
  // The cursor only changes on the next WM_SETCURSOR; apply it now when the
  // pointer is already over the form.
  if (hwnd_ && GetCursorPos(&p) && WindowFromPoint(p) == hwnd_) {
    SetCursor(hidden ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
  }
}

void Form::SetBounds(int x, int y, int width, int height) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Maximize() {
  if (hwnd_) ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
}

void Form::BringToFront() {
  if (!hwnd_) return;
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd_);
}

int Form::ClientWidth() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r.right - r.left;
}

int Form::ClientHeight() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r.bottom - r.top;
}

HDC Form::Canvas() {
  if (!canvas_ && hwnd_) canvas_ = WindowDcGuard(hwnd_);
  return canvas_.Get();
}

LRESULT Form::OnEraseBackground(HDC dc) {
  RECT r;
  GetClientRect(hwnd_, &r);
  if (!brush_) brush_.Reset(CreateSolidBrush(color_));
  FillRect(dc, &r, static_cast<HBRUSH>(brush_.Get()));
  return 1;
}

LRESULT Form::OnPaintMessage() {
  // The guard ends the paint even when OnPaint throws; the exception then
  // reaches the window procedure, which reports it.
  PaintDcGuard paint(hwnd_);
  OnPaint(paint.Get());
  return 0;
}

bool Form::OnSetCursor(LPARAM lParam) {
  if (!cursorHidden_ || LOWORD(lParam) != HTCLIENT) return false;
  SetCursor(nullptr);
  return true;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      return OnPaintMessage();
    case WM_SETCURSOR:
      if (OnSetCursor(lParam)) return TRUE;
      break;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void Form::OnHandlerError(const char* what) {
  Application::Instance().ShowException(std::runtime_error(what));
}

}  // namespace zeb
