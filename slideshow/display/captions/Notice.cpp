#include "slideshow/display/captions/Notice.h"

#include "slideshow/display/captions/CaptionSchedule.h"
#include "common/GdiGuards.h"

namespace lumi {
namespace {

constexpr int kEdge = 30;      // least distance of the text from the top left
constexpr int kSpare = 75;     // room the random range leaves around the text
constexpr int kBoxMargin = 8;  // between the text and the border
constexpr int kBorderWidth = 3;
constexpr int kColourStep = 80;
constexpr int kColourTries = 64;
constexpr UINT kHideProgress = WM_USER + 3;

int NonNegative(int value) { return value < 0 ? -(value + 1) : value; }

// Each of red, green and blue is 0 or 80, never all three 0. A source that
// keeps giving even numbers would ask forever; it gets dark red.
COLORREF ChooseColour(const NoticeRandom& random) {
  for (int i = 0; i < kColourTries; ++i) {
    const int red = kColourStep * (NonNegative(random()) % 2);
    const int green = kColourStep * (NonNegative(random()) % 2);
    const int blue = kColourStep * (NonNegative(random()) % 2);
    if (red || green || blue) return RGB(red, green, blue);
  }
  return RGB(kColourStep, 0, 0);
}

// The text's start along one side: at random in the range that keeps the box
// inside, or centred when the text is too long for any range.
LONG Position(const NoticeRandom& random, LONG origin, LONG extent, LONG textExtent) {
  const LONG range = extent - textExtent - kSpare;
  if (range <= 0) return origin + (extent - textExtent) / 2;
  return origin + NonNegative(random()) % range + kEdge;
}

}  // namespace

NoticePlace PlaceNotice(const RECT& display, SIZE text, const NoticeRandom& random) {
  NoticePlace place;
  place.colour = ChooseColour(random);
  place.text.x = Position(random, display.left, display.right - display.left, text.cx);
  place.text.y = Position(random, display.top, display.bottom - display.top, text.cy);
  place.box = RECT{place.text.x - kBoxMargin, place.text.y - kBoxMargin,
                   place.text.x + text.cx + kBoxMargin, place.text.y + text.cy + kBoxMargin};
  return place;
}

void DrawNotice(HDC dc, const RECT& display, const std::string& text, int cycle,
                HWND progressDialog, const NoticeRandom& random) {
  if (progressDialog) PostMessageA(progressDialog, kHideProgress, 0, 0);
  zeb::DcStateGuard state(dc);
  LONG clearedBottom = display.bottom;
  if (cycle > 1) clearedBottom -= kCaptionBarHeight;
  if (clearedBottom > display.top)
    PatBlt(dc, display.left, display.top, display.right - display.left, clearedBottom - display.top,
           BLACKNESS);

  const int length = static_cast<int>(text.size());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), length, &size);
  const NoticePlace place = PlaceNotice(display, size, random);
  SetTextColor(dc, place.colour);
  SetBkColor(dc, RGB(0, 0, 0));
  {
    zeb::GdiObjectGuard pen(CreatePen(PS_SOLID, kBorderWidth, place.colour));
    zeb::SelectionGuard penSelected(dc, pen.Get());
    zeb::SelectionGuard brushSelected(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, place.box.left, place.box.top, place.box.right, place.box.bottom);
  }
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, place.text.x, place.text.y, text.c_str(), length);
}

}  // namespace lumi
