#include "common/BitmapButton.h"

#include <exception>
#include <vector>

#include "common/Window.h"

namespace zeb {

namespace {

// The window properties that lead from a taken-over button to its object and
// to the procedure it had before.
constexpr const char* kOwnerProperty = "Zeb.BitmapButton";
constexpr const char* kNextProperty = "Zeb.BitmapButton.Next";
// Space between the frame and the content, and between bitmap and caption.
constexpr int kInset = 4;
constexpr int kGap = 4;
// The 16-colour button bitmaps are painted on the classic light grey; that
// grey takes the button's own face colour, which is lighter on current
// systems, so no grey square shows around the picture.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

BitmapButton::~BitmapButton() { Detach(); }

bool BitmapButton::Attach(HWND dialog, int controlId, HINSTANCE instance, int bitmapId) {
  if (button_) return false;
  HWND button = GetDlgItem(dialog, controlId);
  if (!button || GetPropA(button, kOwnerProperty)) return false;
  if ((GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW) return false;
  GdiObjectGuard bitmap(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
  if (!bitmap) return false;
  if (GetPropA(button, kNextProperty)) return false;  // still in a chain from before
  const auto next = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
  if (!SetPropA(button, kNextProperty, reinterpret_cast<HANDLE>(next))) return false;
  if (!SetPropA(button, kOwnerProperty, this)) {
    RemovePropA(button, kNextProperty);
    return false;
  }
  button_ = button;
  bitmap_ = std::move(bitmap);
  SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc));
  InvalidateRect(button, nullptr, TRUE);
  return true;
}

void BitmapButton::Detach() {
  if (!button_) return;
  RemovePropA(button_, kOwnerProperty);
  // Someone may have subclassed the button after us; then our procedure
  // stays in their chain, finds no object and passes every message on.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button_, GWLP_WNDPROC)) == ButtonProc) {
    SetWindowLongPtrA(button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NextProc(button_)));
    RemovePropA(button_, kNextProperty);
  }
  button_ = nullptr;
}

bool BitmapButton::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (!button_ || item.hwndItem != button_ || item.CtlType != ODT_BUTTON) return false;
  Face face;
  face.bitmap = static_cast<HBITMAP>(bitmap_.Get());
  const int length = GetWindowTextLengthA(button_);
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(button_, text.data(), length + 1);
  face.caption = text.data();
  face.font = reinterpret_cast<HFONT>(SendMessageA(button_, WM_GETFONT, 0, 0));
  face.pressed = (item.itemState & ODS_SELECTED) != 0;
  face.focused = (item.itemState & ODS_FOCUS) != 0;
  face.disabled = (item.itemState & ODS_DISABLED) != 0;
  Draw(item.hDC, item.rcItem, face);
  return true;
}

void BitmapButton::Draw(HDC dc, const RECT& area, const Face& face) {
  DcStateGuard state(dc);
  RECT frame = area;
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (face.pressed ? DFCS_PUSHED : 0));

  RECT content = area;
  InflateRect(&content, -kInset, -kInset);
  if (face.pressed) OffsetRect(&content, 1, 1);

  const SIZE size = BitmapSize(face.bitmap);
  int textLeft = content.left;
  if (size.cx > 0 && size.cy > 0) {
    const int x = content.left;
    const int y = area.top + (area.bottom - area.top - size.cy) / 2 + (face.pressed ? 1 : 0);
    if (face.disabled) {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(face.bitmap), 0, x, y, size.cx,
                 size.cy, DST_BITMAP | DSS_DISABLED);
    } else {
      MemoryDcGuard source(dc);
      if (source.Select(face.bitmap))
        TransparentBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy,
                       kBitmapBackground);
    }
    textLeft = x + size.cx + kGap;
  }

  if (!face.caption.empty()) {
    SelectionGuard font(dc, face.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(face.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text{textLeft, content.top, content.right, content.bottom};
    DrawTextA(dc, face.caption.c_str(), static_cast<int>(face.caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }

  if (face.focused) {
    RECT focus = area;
    InflateRect(&focus, -(kInset - 1), -(kInset - 1));
    DrawFocusRect(dc, &focus);
  }
}

WNDPROC BitmapButton::NextProc(HWND button) {
  return reinterpret_cast<WNDPROC>(GetPropA(button, kNextProperty));
}

LRESULT BitmapButton::OnButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND button = button_;
  const WNDPROC next = NextProc(button);
  if (msg == Dialog::ReflectedDrawItemMessage() && lParam)
    return DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
  // An owner-drawn button turns a quick second click into BN_DOUBLECLICKED
  // and sends no BN_CLICKED for it; a push button counts every click.
  if (msg == WM_LBUTTONDBLCLK) msg = WM_LBUTTONDOWN;
  if (msg == WM_NCDESTROY) Detach();
  return CallWindowProcA(next, button, msg, wParam, lParam);
}

LRESULT CALLBACK BitmapButton::ButtonProc(HWND hwnd, UINT msg, WPARAM wParam,
                                          LPARAM lParam) noexcept {
  auto* self = static_cast<BitmapButton*>(GetPropA(hwnd, kOwnerProperty));
  if (!self) {
    const WNDPROC next = NextProc(hwnd);
    if (msg == WM_NCDESTROY) RemovePropA(hwnd, kNextProperty);
    return next ? CallWindowProcA(next, hwnd, msg, wParam, lParam)
                : DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  try {
    return self->OnButtonMessage(msg, wParam, lParam);
  } catch (const std::exception&) {
    return 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace zeb
