#include "slideshow/viewer/thumbnails/ViewScroller.h"

#include <algorithm>
#include <cstdlib>

namespace lumi {
namespace {

// Scroll bars hold 16-bit positions; longer ranges are scaled onto this.
constexpr int kScrollBarLimit = 32767;

}  // namespace

void CViewScroller::SetLineSize(int pixels) {
  lineSize_ = std::max(pixels, 1);
  Refresh();
}

void CViewScroller::Refresh() {
  RECT client{};
  GetClientRect(window_, &client);
  pageRows_ = std::max(static_cast<int>(client.bottom + 1) / lineSize_ - 1, 1);
  RefreshScrollBar();
}

int CViewScroller::ScrollBarMax() const { return std::clamp(range_, 0, kScrollBarLimit); }

// With nothing to scroll the bar is disabled rather than hidden: hiding it
// would widen the client area and lay the cells out anew in the middle of
// showing a collection.
void CViewScroller::SetRange(int rows) {
  range_ = rows;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = ScrollBarMax();
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
  ScrollTo(position_);
}

void CViewScroller::RefreshScrollBar() {
  int thumb = position_;
  if (range_ > kScrollBarLimit) {
    thumb = static_cast<int>(static_cast<long long>(position_) * kScrollBarLimit / range_);
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS | SIF_DISABLENOSCROLL;
  info.nPos = thumb;
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void CViewScroller::ScrollTo(int row) {
  const int target = range_ < 0 ? 0 : std::clamp(row, 0, range_);
  if (target == position_) {
    RefreshScrollBar();
    return;
  }
  const int moved = target - position_;
  if (std::abs(moved) < pageRows_) {
    ScrollWindow(window_, 0, -moved * lineSize_, nullptr, nullptr);
  } else {
    InvalidateRect(window_, nullptr, FALSE);
  }
  position_ = target;
  RefreshScrollBar();
  UpdateWindow(window_);
}

void CViewScroller::OnScroll(int code) {
  switch (code) {
    case SB_LINEUP:
      ScrollTo(position_ - 1);
      break;
    case SB_LINEDOWN:
      ScrollTo(position_ + 1);
      break;
    case SB_PAGEUP:
      ScrollTo(position_ - pageRows_);
      break;
    case SB_PAGEDOWN:
      ScrollTo(position_ + pageRows_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit tracking position; the message's own is only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(window_, SB_VERT, &info)) break;
      int row = info.nTrackPos;
      if (range_ > kScrollBarLimit) {
        row = static_cast<int>(static_cast<long long>(row) * range_ / kScrollBarLimit);
      }
      ScrollTo(row);
      break;
    }
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(range_);
      break;
    default:
      break;
  }
}

// The offset is applied at every position: 32-bit coordinates carry a view
// taller than 32767 pixels (a collection of a thousand pictures), where
// leaving it out would draw and hit-test the top rows instead.
void CViewScroller::PrepareDc(HDC dc) const {
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x, origin.y - Offset(), nullptr);
}

POINT CViewScroller::ToView(POINT windowPoint) const {
  return POINT{windowPoint.x, windowPoint.y + Offset()};
}

RECT CViewScroller::ToView(const RECT& windowRect) const {
  RECT r = windowRect;
  OffsetRect(&r, 0, Offset());
  return r;
}

RECT CViewScroller::ToWindow(const RECT& viewRect) const {
  RECT r = viewRect;
  OffsetRect(&r, 0, -Offset());
  return r;
}

}  // namespace lumi
