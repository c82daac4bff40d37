#include "slideshow/viewer/thumbnails/Frame3d.h"

namespace lumi {
namespace {

// An opaque text-out with no text fills a rectangle in the background colour
// without creating a brush.
void FillSolid(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  if (right <= left || bottom <= top) return;
  SetBkColor(dc, colour);
  const RECT r{left, top, right, bottom};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

void DrawFrame3d(HDC dc, const RECT& rect, bool sunken) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF topLeft = sunken ? shadow : light;
  const COLORREF bottomRight = sunken ? light : shadow;
  const COLORREF oldBackground = GetBkColor(dc);
  const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  FillSolid(dc, l, t, r, t + 1, topLeft);
  FillSolid(dc, l, t, l + 1, b - 1, topLeft);
  FillSolid(dc, r - 1, t, r, b, bottomRight);
  FillSolid(dc, l + 1, b - 1, r, b, bottomRight);
  SetBkColor(dc, oldBackground);
}

}  // namespace lumi
