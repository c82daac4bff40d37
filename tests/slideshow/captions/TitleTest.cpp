#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "slideshow/display/captions/Title.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

using test::Canvas;
constexpr COLORREF kPicture = RGB(40, 90, 150);

struct Changed {
  RECT box{INT_MAX, INT_MAX, -1, -1};
  int whites = 0, blacks = 0;
  bool Any() const { return box.right >= 0; }
};

Changed FindChanges(const Canvas& c) {
  Changed found;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      const COLORREF p = c.At(x, y);
      if (p == kPicture) continue;
      found.box.left = std::min<LONG>(found.box.left, x);
      found.box.top = std::min<LONG>(found.box.top, y);
      found.box.right = std::max<LONG>(found.box.right, x + 1);
      found.box.bottom = std::max<LONG>(found.box.bottom, y + 1);
      if (test::IsGrey(p) && GetRValue(p) > 200) ++found.whites;
      if (test::IsGrey(p) && GetRValue(p) < 50) ++found.blacks;
    }
  return found;
}

struct TitleCase {
  const char* title;
  int width, height;
};

class TitleDrawing : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleDrawing, WhiteOnShadowCentredInTheTopBandOnly) {
  const TitleCase& tc = GetParam();
  Canvas canvas(tc.width, tc.height);
  canvas.Fill(kPicture);
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.Dc(), &tm);
  SetTextColor(canvas.Dc(), RGB(1, 2, 3));
  SetBkMode(canvas.Dc(), OPAQUE);

  DrawTitle(canvas.Dc(), canvas.Rect(), tc.title);

  const Changed changed = FindChanges(canvas);
  ASSERT_TRUE(changed.Any());
  EXPECT_GE(changed.box.top, 15);
  EXPECT_LE(changed.box.bottom, 15 + tm.tmHeight + 1);
  const int centre2 = changed.box.left + changed.box.right;  // twice the centre
  EXPECT_NEAR(centre2, tc.width, 6);
  EXPECT_GT(changed.whites, 0);
  EXPECT_GT(changed.blacks, 0);
  EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkMode(canvas.Dc()), OPAQUE);
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleDrawing,
                         testing::Values(TitleCase{"Sunset", 640, 480},
                                         TitleCase{"Harbour lights over the old town at dusk", 800,
                                                   600},
                                         TitleCase{"Owl", 320, 200}));

TEST(TitleDrawing, EmptyTitleLeavesThePictureAlone) {
  Canvas canvas(320, 200);
  canvas.Fill(kPicture);
  DrawTitle(canvas.Dc(), canvas.Rect(), "");
  EXPECT_FALSE(FindChanges(canvas).Any());
}

}  // namespace
}  // namespace lumi
