#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slideshow/display/captions/CaptionBar.h"
#include "slideshow/display/captions/FittedFont.h"
#include "tests/slideshow/captions/StepTimer.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

using test::Canvas;
using test::StepTimer;
constexpr COLORREF kPicture = RGB(40, 90, 150);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Rows of the white band standing at the bottom, read at the left edge where
// a centred message never reaches.
int BandHeight(const Canvas& c) {
  int rows = 0;
  while (rows < c.Height() && c.At(1, c.Height() - 1 - rows) == kWhite) ++rows;
  return rows;
}

struct WaitCase {
  int seconds;
  const char* message;
  int sleeps;     // tenths of a second waited
  int finalBand;  // rows of white band at the end
};

class CaptionWait : public testing::TestWithParam<WaitCase> {};

TEST_P(CaptionWait, WaitsTheRestOfThePictureAndLeavesTheBarRisen) {
  const WaitCase& tc = GetParam();
  Canvas canvas(640, 480);
  canvas.Fill(kPicture);
  CaptionFont font;
  StepTimer timer;
  ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), tc.seconds, tc.message, font, timer);
  EXPECT_EQ(timer.Sleeps(), tc.sleeps);
  EXPECT_EQ(timer.Slept(), tc.sleeps * 100);
  EXPECT_EQ(BandHeight(canvas), tc.finalBand);
  // Above the bar the picture is untouched.
  for (int y = 0; y < 480 - 30; y += 7)
    for (int x = 0; x < 640; x += 5) ASSERT_EQ(canvas.At(x, y), kPicture) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Timing, CaptionWait,
    testing::Values(WaitCase{0, "Thanks for watching", 0, 30},     // time used up: at once
                    WaitCase{-2, "Thanks for watching", 0, 30},    // overran: at once, no wait
                    WaitCase{1, "Thanks for watching", 25, 30},    // pause + 15 rising steps
                    WaitCase{20, "Thanks for watching", 210, 30},  // about 21 seconds in all
                    WaitCase{3, "", 30, 0},                        // no message: only the wait
                    WaitCase{0, "", 0, 0}, WaitCase{-1, "", 0, 0}));

TEST(CaptionBar, RisesTwoPixelsAStepAfterTheSecondsPauseToItsFullHeight) {
  Canvas canvas(640, 480);
  canvas.Fill(kPicture);
  CaptionFont font;
  std::vector<int> seen;  // the band as it stands when each slice begins
  StepTimer timer(-1, [&] { seen.push_back(BandHeight(canvas)); });
  ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), 1, "Hello", font, timer);
  seen.push_back(BandHeight(canvas));

  std::vector<int> expected(11, 0);  // ten pause slices and the first rising one
  for (int rise = 2; rise <= 30; rise += 2) expected.push_back(rise);
  EXPECT_EQ(seen, expected);
}

TEST(CaptionBar, CarriesTheMessageInsideTheBand) {
  Canvas canvas(640, 480);
  canvas.Fill(kPicture);
  CaptionFont font;
  StepTimer timer;
  ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), 0, "Visit our gallery", font, timer);
  int dark = 0, nonWhite = 0;
  for (int y = 450; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const COLORREF p = canvas.At(x, y);
      if (p == kWhite) continue;
      ++nonWhite;
      if (GetRValue(p) < 96 && GetGValue(p) < 96 && GetBValue(p) < 96) ++dark;
      EXPECT_GT(x, 100) << "text far off centre at " << x;
      EXPECT_LT(x, 540) << "text far off centre at " << x;
    }
  EXPECT_GT(dark, 20);
  EXPECT_GT(nonWhite, dark);  // the grey shadow beside the black letters
}

TEST(CaptionBar, StopEndsTheWaitAtTheNextSlice) {
  for (int stopAfter : {0, 3, 10, 18}) {
    Canvas canvas(320, 240);
    CaptionFont font;
    StepTimer timer(stopAfter);
    ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), 20, "Hello", font, timer);
    EXPECT_EQ(timer.Sleeps(), stopAfter);
  }
}

TEST(CaptionBar, LeavesTheContextAsItWas) {
  Canvas canvas(320, 240);
  HGDIOBJ fontBefore = GetCurrentObject(canvas.Dc(), OBJ_FONT);
  SetTextColor(canvas.Dc(), RGB(9, 8, 7));
  CaptionFont font;
  StepTimer timer;
  ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), 0, "Hello", font, timer);
  ASSERT_NE(font.Get(), nullptr);
  // The caption font must not stay selected: the slideshow replaces it with
  // the next picture and deletes it at the end.
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), fontBefore);
  EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(9, 8, 7));
  EXPECT_EQ(GetBkMode(canvas.Dc()), OPAQUE);
}

SIZE MeasureIn(HFONT font, const std::string& text) {
  Canvas canvas(8, 8);
  HGDIOBJ old = SelectObject(canvas.Dc(), font);
  RECT r{0, 0, 0, 0};
  DrawTextA(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_CALCRECT);
  SelectObject(canvas.Dc(), old);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LONG HeightOf(HFONT font) {
  LOGFONTA lf{};
  GetObjectA(font, sizeof(lf), &lf);
  return lf.lfHeight;
}

TEST(FittedFont, ShrinksForLongerTextsAndStaysInsideTheRectangle) {
  const RECT rect{0, 0, 400, 24};
  LONG previous = kFittedFontLargest + 1;
  for (size_t words : {1u, 4u, 8u, 12u, 16u}) {
    std::string text;
    for (size_t i = 0; i < words; ++i) text += i ? " gallery" : "Gallery";
    const zeb::OwnedFont font =
        CreateFittedFont(text, rect, "Arial", true, false, DT_CENTER | DT_VCENTER);
    ASSERT_TRUE(font);
    const LONG height = HeightOf(font.Get());
    EXPECT_LE(height, previous) << words;
    if (height > 0) {
      const SIZE size = MeasureIn(font.Get(), text);
      EXPECT_LE(size.cx, 400) << words;
      EXPECT_LE(size.cy, 24) << words;
    }
    previous = height;
  }
  EXPECT_LT(previous, 20);
}

TEST(FittedFont, TallRoomIsCappedAndHopelessTextGetsTheDefaultSize) {
  const zeb::OwnedFont roomy =
      CreateFittedFont("Hi", RECT{0, 0, 600, 200}, "Arial", true, false, DT_CENTER);
  EXPECT_EQ(HeightOf(roomy.Get()), kFittedFontLargest);
  LOGFONTA lf{};
  GetObjectA(roomy.Get(), sizeof(lf), &lf);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_FALSE(lf.lfItalic);

  const std::string endless(400, 'W');
  const zeb::OwnedFont hopeless =
      CreateFittedFont(endless, RECT{0, 0, 100, 24}, "Arial", false, true, DT_CENTER);
  GetObjectA(hopeless.Get(), sizeof(lf), &lf);
  EXPECT_EQ(lf.lfHeight, 0);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_TRUE(lf.lfItalic);
}

}  // namespace
}  // namespace lumi
