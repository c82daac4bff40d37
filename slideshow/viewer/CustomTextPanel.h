#pragma once
// The viewer's custom text panel: the saver author's heading and text below
// the thumbnails, on a pale cyan card. Measuring and drawing take a device
// context, so the dialog, its layout and the tests share them.
#include <windows.h>

#include <string>

namespace lumi {

struct CustomText {
  std::string heading;
  std::string text;  // line breaks already in place of the stored bars
  bool Empty() const { return heading.empty() && text.empty(); }
};

// The heading and text fonts every viewer shares. Made by the first viewer
// and kept until the process ends; asking again returns the same fonts.
struct ViewerFonts {
  HFONT heading;
  HFONT text;
};
const ViewerFonts& SharedViewerFonts();

// The panel's height for its current rectangle: both word-wrapped within
// the rectangle less its margins, plus the margins and gaps.
int MeasureCustomPanel(HDC dc, const RECT& panel, const CustomText& custom);

// Draws the panel into area (the control's client rectangle).
void DrawCustomPanel(HDC dc, const RECT& area, const CustomText& custom);

inline constexpr COLORREF kPanelColour = RGB(225, 255, 255);
inline constexpr COLORREF kHeadingColour = RGB(0, 0, 128);

}  // namespace lumi
