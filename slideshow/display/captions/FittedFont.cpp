#include "slideshow/display/captions/FittedFont.h"

#include <utility>

#include "common/GdiGuards.h"

namespace lumi {
namespace {

zeb::OwnedFont CreateFace(int height, const char* face, bool bold, bool italic) {
  return zeb::OwnedFont(CreateFontA(
      height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic ? TRUE : FALSE, FALSE, FALSE,
      ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

// The text's size in device pixels when drawn in the font.
SIZE Measure(HDC dc, HFONT font, const std::string& text, UINT drawFlags) {
  zeb::SelectionGuard selected(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, drawFlags | DT_CALCRECT);
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  LPtoDP(dc, corners, 2);
  return SIZE{corners[1].x - corners[0].x, corners[1].y - corners[0].y};
}

}  // namespace

zeb::OwnedFont CreateFittedFont(const std::string& text, const RECT& rect, const char* face,
                                bool bold, bool italic, UINT drawFlags) {
  const LONG width = rect.right - rect.left;
  const LONG height = rect.bottom - rect.top;
  zeb::WindowDcGuard screen(GetDesktopWindow());
  zeb::OwnedFont fitted;
  if (screen.Get()) {
    for (int h = kFittedFontSmallest; h <= kFittedFontLargest; ++h) {
      zeb::OwnedFont candidate = CreateFace(h, face, bold, italic);
      if (!candidate) break;
      const SIZE size = Measure(screen.Get(), candidate.Get(), text, drawFlags);
      if (size.cx > width || size.cy > height) break;
      fitted = std::move(candidate);
    }
  }
  return fitted ? std::move(fitted) : CreateFace(0, face, bold, italic);
}

}  // namespace lumi
