#include "slideshow/viewer/CustomTextPanel.h"

#include "common/GdiGuards.h"
#include "slideshow/viewer/ViewerRules.h"

namespace lumi {
namespace {

HFONT MakeFont(int height, int weight) {
  return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "Times New Roman");
}

// The word-wrapped height of text within width; 0 for no text.
int WrappedHeight(HDC dc, HFONT font, const std::string& text, int width) {
  if (text.empty()) return 0;
  zeb::SelectionGuard selected(dc, font);
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK);
  return r.bottom - r.top;
}

RECT Inner(const RECT& r) {
  RECT inner = r;
  InflateRect(&inner, -kPanelMargin, -kPanelMargin);
  return inner;
}

void DrawBand(HDC dc, HFONT font, COLORREF colour, const std::string& text, const RECT& inner,
              const Band& band) {
  zeb::SelectionGuard selected(dc, font);
  SetTextColor(dc, colour);
  RECT r{inner.left, band.top, inner.right, band.bottom};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_WORDBREAK);
}

}  // namespace

const ViewerFonts& SharedViewerFonts() {
  // Process-wide on purpose: every viewer dialog draws with the same two
  // fonts, and they are never released before the process ends.
  static const ViewerFonts fonts{MakeFont(15, FW_BOLD), MakeFont(13, FW_NORMAL)};
  return fonts;
}

int MeasureCustomPanel(HDC dc, const RECT& panel, const CustomText& custom) {
  const RECT inner = Inner(panel);
  const int width = inner.right - inner.left;
  const ViewerFonts& fonts = SharedViewerFonts();
  return CustomPanelHeight(WrappedHeight(dc, fonts.heading, custom.heading, width),
                           WrappedHeight(dc, fonts.text, custom.text, width));
}

void DrawCustomPanel(HDC dc, const RECT& area, const CustomText& custom) {
  zeb::DcStateGuard state(dc);
  {
    zeb::GdiObjectGuard brush(CreateSolidBrush(kPanelColour));
    zeb::SelectionGuard selected(dc, brush.Get());
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
  }
  const RECT inner = Inner(area);
  SetBkMode(dc, TRANSPARENT);
  const ViewerFonts& fonts = SharedViewerFonts();
  const int width = inner.right - inner.left;
  const PanelBands bands = PlacePanelText(inner.top, inner.bottom,
                                          WrappedHeight(dc, fonts.heading, custom.heading, width),
                                          WrappedHeight(dc, fonts.text, custom.text, width));
  if (!custom.heading.empty()) {
    DrawBand(dc, fonts.heading, kHeadingColour, custom.heading, inner, bands.heading);
  }
  if (!custom.text.empty()) DrawBand(dc, fonts.text, RGB(0, 0, 0), custom.text, inner, bands.text);
}

}  // namespace lumi
