#include "slideshow/viewer/settings/CheckList.h"

// After windows.h, which it needs.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "common/GdiGuards.h"
#include "common/Window.h"

namespace lumi {
namespace {

constexpr UINT_PTR kSubclassId = 0x43484b4c;  // any number unique on the list box

// The check box is a square as tall as the item, less a margin.
RECT CheckBoxRect(const RECT& item) {
  const int side = std::max(0L, item.bottom - item.top - 2);
  return RECT{item.left + 1, item.top + 1, item.left + 1 + side, item.top + 1 + side};
}

void Toggle(HWND list, int index) {
  if (index < 0 || index >= static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0))) return;
  SetCheckItemChecked(list, index, !IsCheckItemChecked(list, index));
}

void Draw(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {
    // An empty list still shows where the focus is.
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT box = CheckBoxRect(item.rcItem);
  RECT text = item.rcItem;
  text.left = box.right + 2;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  FillRect(item.hDC, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  UINT state = DFCS_BUTTONCHECK;
  if (item.itemData) state |= DFCS_CHECKED;
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);

  const std::string label = CheckItemText(item.hwndItem, static_cast<int>(item.itemID));
  const COLORREF oldText =
      SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  DrawTextA(item.hDC, label.c_str(), static_cast<int>(label.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetBkMode(item.hDC, oldMode);
  SetTextColor(item.hDC, oldText);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &text);
}

LRESULT CALLBACK CheckListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) noexcept {
  if (msg == zeb::Dialog::ReflectedDrawItemMessage()) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The list moves its selection first; a click on the box itself then
      // turns the check over.
      const LRESULT result = DefSubclassProc(list, msg, wParam, lParam);
      const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
      if (HIWORD(hit) == 0) {
        const int index = LOWORD(hit);
        RECT rect{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect));
        const RECT box = CheckBoxRect(rect);
        if (GET_X_LPARAM(lParam) < box.right + 2) Toggle(list, index);
      }
      return result;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        Toggle(list, static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0)));
        return 0;
      }
      break;
    case WM_CHAR:
      // The space has turned the check over; the list would also search for
      // an item starting with it.
      if (wParam == ' ') return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, CheckListProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(list, msg, wParam, lParam);
}

}  // namespace

void AttachCheckList(HWND list) {
  // Items as tall as the dialog's font, with room for the box's frame.
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  zeb::WindowDcGuard dc(list);
  if (dc) {
    zeb::SelectionGuard selection(dc.Get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, std::max(14L, metrics.tmHeight + 2));
  }
  SetWindowSubclass(list, CheckListProc, kSubclassId, 0);
}

int AddCheckItem(HWND list, const std::string& text, bool checked) {
  const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return -1;
  SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
  return static_cast<int>(index);
}

bool IsCheckItemChecked(HWND list, int index) {
  const LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  return data != LB_ERR && data != 0;
}

void SetCheckItemChecked(HWND list, int index, bool checked) {
  SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
  RECT rect{};
  if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
    InvalidateRect(list, &rect, FALSE);
}

std::string CheckItemText(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

}  // namespace lumi
