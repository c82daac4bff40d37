#include <gtest/gtest.h>

#include <cmath>

#include "TestPictures.h"
#include "imaging/ImagingApi.h"

namespace lumi::imaging::test {
namespace {

Image Checkerboard(int size) {
  Image image = Solid(size, size, {0, 0, 0});
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if ((x + y) % 2 == 0) std::fill_n(image.Row(y) + 3 * x, 3, std::uint8_t{255});
  return image;
}

struct Size {
  int width, height;
};

TEST(Resize, SolidColourStaysExactAtEverySize) {
  const Size sizes[] = {{1, 1}, {7, 3}, {40, 30}, {160, 120}, {333, 17}, {20, 30}};
  for (bool smooth : {true, false})
    for (Size s : sizes) {
      int handle = HandleFor(Solid(20, 30, {200, 90, 17}));
      ASSERT_EQ(smooth ? ImgResizeSmooth(handle, s.width, s.height)
                       : ImgResize(handle, s.width, s.height),
                kImgOk);
      Image out = ReadBack(handle);
      EXPECT_EQ(out.width, s.width);
      EXPECT_EQ(out.height, s.height);
      EXPECT_EQ(MeanAbsDifference(out, Solid(s.width, s.height, {200, 90, 17})), 0.0)
          << (smooth ? "smooth " : "plain ") << s.width << "x" << s.height;
      ImgFree(handle);
    }
}

TEST(Resize, ShrinkingFineCheckerboardGivesEvenGrey) {
  int handle = HandleFor(Checkerboard(512));
  ASSERT_EQ(ImgResizeSmooth(handle, 97, 61), kImgOk);
  Image out = ReadBack(handle);
  double sum = 0, worst = 0;
  for (std::uint8_t v : out.pixels) {
    sum += v;
    worst = std::max(worst, std::abs(v - 127.5));
  }
  EXPECT_NEAR(sum / out.pixels.size(), 127.5, 2.0);
  EXPECT_LT(worst, 12.0);  // no moire: every pixel is close to the mean
  ImgFree(handle);
}

TEST(Resize, PlainResizeInterpolatesBetweenPixelCentres) {
  Image ramp = Solid(2, 1, {0, 0, 0});
  std::fill_n(ramp.Row(0) + 3, 3, std::uint8_t{200});
  int handle = HandleFor(ramp);
  ASSERT_EQ(ImgResize(handle, 8, 1), kImgOk);
  Image out = ReadBack(handle);
  const int expected[] = {0, 0, 25, 75, 125, 175, 200, 200};
  for (int x = 0; x < 8; ++x) EXPECT_NEAR(out.At(x, 0).r, expected[x], 1) << x;
  ImgFree(handle);
}

TEST(Resize, PaletteImageNeedsThePlainResizeAndKeepsItsColours) {
  Image quad = Solid(2, 2, {255, 0, 0});
  std::fill_n(quad.Row(1) + 3, 3, std::uint8_t{0});
  int handle = HandleFor(quad);
  ASSERT_EQ(ImgReduceColors(handle, 8, 0, 236), kImgOk);
  EXPECT_EQ(ImgResizeSmooth(handle, 6, 6), kImgErrUseResize);
  EXPECT_EQ(ReadBack(handle).width, 2);
  ASSERT_EQ(ImgResize(handle, 6, 6), kImgOk);
  Image out = ReadBack(handle);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(out.At(x, y), quad.At(x / 3, y / 3)) << x << "," << y;
  ImgFree(handle);
}

}  // namespace
}  // namespace lumi::imaging::test
