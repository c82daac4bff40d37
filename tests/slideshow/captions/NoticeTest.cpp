#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "slideshow/display/captions/Notice.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

using test::Canvas;
constexpr COLORREF kPicture = RGB(40, 90, 150);
constexpr COLORREF kBlack = RGB(0, 0, 0);
const std::string kNoPictures = "No pictures to display!";

NoticeRandom Repeating(std::vector<int> values) {
  return
      [values = std::move(values), i = size_t{0}]() mutable { return values[i++ % values.size()]; };
}

struct RandomCase {
  const char* name;
  std::vector<int> values;
};

class NoticePlacement : public testing::TestWithParam<RandomCase> {};

TEST_P(NoticePlacement, BoxStaysOnScreenAndEverythingElseIsCleared) {
  Canvas canvas(640, 480);
  canvas.Fill(kPicture);
  DrawNotice(canvas.Dc(), canvas.Rect(), kNoPictures, 1, nullptr, Repeating(GetParam().values));

  RECT drawn{INT_MAX, INT_MAX, -1, -1};
  int whites = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const COLORREF p = canvas.At(x, y);
      ASSERT_NE(p, kPicture) << "not cleared at " << x << "," << y;
      if (p == kBlack) continue;
      if (p == RGB(255, 255, 255)) ++whites;
      drawn.left = std::min<LONG>(drawn.left, x);
      drawn.top = std::min<LONG>(drawn.top, y);
      drawn.right = std::max<LONG>(drawn.right, x + 1);
      drawn.bottom = std::max<LONG>(drawn.bottom, y + 1);
    }
  ASSERT_GT(whites, 0);
  // 30 pixels to the text less the 8-pixel margin, less half the 3-pixel pen.
  EXPECT_GE(drawn.left, 21);
  EXPECT_GE(drawn.top, 21);
  EXPECT_LE(drawn.right, 640);
  EXPECT_LE(drawn.bottom, 480);
  // The border's colour is one of the seven dark ones.
  const COLORREF border = canvas.At(drawn.left + 1, (drawn.top + drawn.bottom) / 2);
  for (BYTE part : {GetRValue(border), GetGValue(border), GetBValue(border)})
    EXPECT_TRUE(part == 0 || part == 80) << int(part);
  EXPECT_NE(border, kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Randoms, NoticePlacement,
    testing::Values(RandomCase{"Zeros", {1, 0, 0, 0, 0}}, RandomCase{"Largest", {INT_MAX}},
                    RandomCase{"Negative", {INT_MIN, -1, -7}},
                    RandomCase{"Mixed", {1, INT_MAX, 0, 0, INT_MAX - 1}},
                    RandomCase{"EvenForever", {0, 2, 4}}),  // no colour but black comes up
    [](const testing::TestParamInfo<RandomCase>& param) { return param.param.name; });

TEST(Notice, LaterCyclesKeepTheCaptionBandAtTheBottom) {
  for (int cycle : {1, 2, 7}) {
    Canvas canvas(320, 240);
    canvas.Fill(kPicture);
    DrawNotice(canvas.Dc(), canvas.Rect(), "A problem occured processing x.jpg", cycle, nullptr,
               Repeating({1, 0}));
    const COLORREF expected = cycle > 1 ? kPicture : kBlack;
    for (int y = 210; y < 240; ++y)
      for (int x = 0; x < 320; ++x) ASSERT_EQ(canvas.At(x, y), expected) << cycle;
    EXPECT_EQ(canvas.At(0, 209), kBlack);
  }
}

struct TooBigCase {
  SIZE text;
};

class NoticeTooBig : public testing::TestWithParam<TooBigCase> {};

TEST_P(NoticeTooBig, TextWithNoRoomToMoveIsCentred) {
  const RECT display{0, 0, 320, 240};
  const SIZE text = GetParam().text;
  const NoticePlace place = PlaceNotice(display, text, Repeating({INT_MAX}));
  if (320 - text.cx - 75 <= 0) {
    EXPECT_EQ(place.text.x, (320 - text.cx) / 2);
  } else {
    EXPECT_GE(place.text.x, 30);
  }
  if (240 - text.cy - 75 <= 0) {
    EXPECT_EQ(place.text.y, (240 - text.cy) / 2);
  } else {
    EXPECT_GE(place.text.y, 30);
  }
  EXPECT_EQ(place.box.right - place.box.left, text.cx + 16);
  EXPECT_EQ(place.box.bottom - place.box.top, text.cy + 16);
}

INSTANTIATE_TEST_SUITE_P(Sizes, NoticeTooBig,
                         testing::Values(TooBigCase{{245, 16}}, TooBigCase{{244, 16}},
                                         TooBigCase{{900, 16}}, TooBigCase{{100, 165}},
                                         TooBigCase{{400, 400}}));

TEST(Notice, TextWiderThanTheScreenDrawsWithoutFailing) {
  Canvas canvas(160, 120);
  DrawNotice(canvas.Dc(), canvas.Rect(), std::string(300, 'M'), 1, nullptr, Repeating({5}));
  EXPECT_NE(canvas.At(80, 30), kBlack);  // in the box, which starts at y = 5 + 30 - 8
}

}  // namespace
}  // namespace lumi
