#include "plantsaver/setup/AboutPanel.h"

#include <utility>

#include "common/GdiGuards.h"
#include "plantsaver/setup/ConfigFormIds.h"

namespace gulpleaf {
namespace {
constexpr char kPanelClass[] = "ZebPanel";
constexpr char kCaption[] = "About...";

HWND CreateChild(HWND parent, HINSTANCE instance, const char* cls, const char* text, DWORD style,
                 int id, HFONT font) {
  HWND child =
      CreateWindowExA(0, cls, text, WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}
}  // namespace

bool AboutPanel::CreatePanel(HWND parent, HINSTANCE instance, const RECT& place, HFONT font,
                             std::function<void()> onClick) {
  WNDCLASSA wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  RegisterClassOnce(wc);
  font_ = font;
  onClick_ = std::move(onClick);
  if (!CreateBound(0, kPanelClass, kCaption, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                   place.left, place.top, place.right - place.left, place.bottom - place.top,
                   parent, instance)) {
    return false;
  }
  SetWindowLongPtrA(hwnd_, GWLP_ID, config_ids::kPanAboutZeb);
  // SS_NOTIFY: a click on the text reaches the panel as STN_CLICKED.
  text_ = CreateChild(hwnd_, instance, "STATIC", "", SS_LEFT | SS_NOTIFY | SS_NOPREFIX,
                      config_ids::kStaticText1, font);
  done_ = CreateChild(hwnd_, instance, "BUTTON", "done", BS_PUSHBUTTON | WS_TABSTOP,
                      config_ids::kButton1, font);
  return text_ && done_;
}

void AboutPanel::ShowText(bool show) {
  ShowWindow(text_, show ? SW_SHOW : SW_HIDE);
  ShowWindow(done_, show ? SW_SHOW : SW_HIDE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void AboutPanel::OnPaint() {
  zeb::PaintDcGuard paint(hwnd_);
  HDC dc = paint.Get();
  RECT r;
  GetClientRect(hwnd_, &r);
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  // The about view covers the panel; only the small panel shows its caption.
  if (TextShowing()) return;
  zeb::SelectionGuard font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, kCaption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void AboutPanel::OnClick() {
  if (onClick_) onClick_();
}

LRESULT AboutPanel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONUP:
      OnClick();
      return 0;
    case WM_COMMAND:
      // The text's STN_CLICKED and the button's BN_CLICKED share the value 0.
      if (HIWORD(wParam) == BN_CLICKED) OnClick();
      return 0;
    default:
      return DefWindowProcA(hwnd_, msg, wParam, lParam);
  }
}

}  // namespace gulpleaf
