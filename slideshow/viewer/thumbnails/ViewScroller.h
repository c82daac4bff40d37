#pragma once
// CViewScroller: the thumbnail view's vertical scrolling, in whole rows of
// cells. It keeps the position and the largest allowed position (the range),
// drives the window's vertical scroll bar, and maps between the window's
// coordinates and the view's (the cells' own, with row 0 at the top).
#include <windows.h>

namespace lumi {

class CViewScroller {
 public:
  explicit CViewScroller(HWND window) : window_(window) {}

  // Stores the row height (cell height plus gap) and recomputes the page.
  void SetLineSize(int pixels);
  // Stores the range (a negative one allows only row 0), sets the scroll
  // bar's range and scrolls to the current row again, which clamps it.
  void SetRange(int rows);
  // Clamps to 0..range. A move of less than a page scrolls the window's
  // contents; a longer one redraws the whole view. The view is updated at once.
  void ScrollTo(int row);
  // The page size again from the client height, and the scroll bar's thumb.
  void Refresh();
  void RefreshScrollBar();
  // WM_VSCROLL: lines, pages, thumb, top and bottom.
  void OnScroll(int code);

  // Moves the context's viewport origin so that it draws in view coordinates.
  void PrepareDc(HDC dc) const;
  POINT ToView(POINT windowPoint) const;
  RECT ToView(const RECT& windowRect) const;
  RECT ToWindow(const RECT& viewRect) const;

  int Position() const { return position_; }
  int Range() const { return range_; }
  int LineSize() const { return lineSize_; }
  int PageRows() const { return pageRows_; }

 private:
  int Offset() const { return position_ * lineSize_; }
  int ScrollBarMax() const;

  HWND window_;
  int position_ = 0;
  int range_ = 0;
  int lineSize_ = 1;
  int pageRows_ = 1;
};

}  // namespace lumi
