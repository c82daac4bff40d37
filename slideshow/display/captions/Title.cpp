#include "slideshow/display/captions/Title.h"

namespace lumi {
namespace {

constexpr COLORREF kTitleColour = RGB(255, 255, 255);
constexpr COLORREF kShadowColour = RGB(0, 0, 0);

}  // namespace

RECT TitleRect(HDC dc, const RECT& display, const std::string& title) {
  RECT r = display;
  DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &r, DT_CENTER | DT_CALCRECT);
  const LONG textWidth = r.right - r.left;
  const LONG left = display.left + (display.right - display.left - textWidth) / 2;
  OffsetRect(&r, left - r.left, kTitleTopMargin);
  return r;
}

void DrawTitle(HDC dc, const RECT& display, const std::string& title) {
  if (title.empty()) return;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = GetTextColor(dc);
  const int length = static_cast<int>(title.size());
  RECT place = TitleRect(dc, display, title);
  RECT shadow = place;
  OffsetRect(&shadow, 1, 1);
  SetTextColor(dc, kShadowColour);
  DrawTextA(dc, title.c_str(), length, &shadow, DT_CENTER);
  SetTextColor(dc, kTitleColour);
  DrawTextA(dc, title.c_str(), length, &place, DT_CENTER);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace lumi
