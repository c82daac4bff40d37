#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

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

// Large shrinks average blocks of pixels first, with wider blocks at the
// right and bottom edges where the size does not divide.
TEST(Resize, SolidColourStaysExactAtEverySize) {
  const struct {
    Size from, to;
  } cases[] = {{{20, 30}, {1, 1}},      {{20, 30}, {7, 3}},    {{20, 30}, {40, 30}},
               {{20, 30}, {160, 120}},  {{20, 30}, {333, 17}}, {{20, 30}, {20, 30}},
               {{1003, 707}, {61, 43}}, {{1003, 707}, {7, 3}}, {{1003, 707}, {250, 700}},
               {{1003, 707}, {80, 50}}};
  for (bool smooth : {true, false})
    for (const auto& c : cases) {
      int handle = HandleFor(Solid(c.from.width, c.from.height, {200, 90, 17}));
      ASSERT_EQ(smooth ? ImgResizeSmooth(handle, c.to.width, c.to.height)
                       : ImgResize(handle, c.to.width, c.to.height),
                kImgOk);
      Image out = ReadBack(handle);
      EXPECT_EQ(out.width, c.to.width);
      EXPECT_EQ(out.height, c.to.height);
      EXPECT_EQ(MeanAbsDifference(out, Solid(c.to.width, c.to.height, {200, 90, 17})), 0.0)
          << (smooth ? "smooth " : "plain ") << c.from.width << "x" << c.from.height << " -> "
          << c.to.width << "x" << c.to.height;
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

// Red rises across, green rises down, blue falls across: a mix-up of
// channels or of the two directions shows at once.
Image Ramps(int width, int height) {
  Image image = Solid(width, height, {0, 0, 0});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.Row(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(20 + 200 * x / (width - 1));
      p[1] = static_cast<std::uint8_t>(20 + 200 * y / (height - 1));
      p[2] = static_cast<std::uint8_t>(220 - 200 * x / (width - 1));
    }
  return image;
}

// The ramp value a pixel centre of the output lands on in the source.
double RampAt(int i, int from, int to) {
  double source = (i + 0.5) * from / to - 0.5;
  return 20 + 200 * source / (from - 1);
}

// Both filters reproduce straight ramps away from the edges (the integer
// ramps above are straight to within one step). The sizes cover enlarging
// and shrinking in each direction, the two mixed, one axis kept, and shrinks
// far enough to average blocks first, with blocks left over at the edges.
TEST(Resize, SmoothResizeKeepsStraightRampsInEveryDirection) {
  const struct {
    Size from, to;
  } cases[] = {{{64, 48}, {100, 75}},   {{300, 200}, {160, 106}}, {{97, 61}, {203, 45}},
               {{203, 45}, {97, 61}},   {{41, 90}, {41, 37}},     {{41, 37}, {117, 37}},
               {{250, 30}, {33, 77}},   {{33, 77}, {250, 30}},    {{120, 80}, {61, 80}},
               {{1003, 641}, {97, 61}}, {{803, 90}, {61, 200}}};
  for (const auto& c : cases) {
    int handle = HandleFor(Ramps(c.from.width, c.from.height));
    ASSERT_EQ(ImgResizeSmooth(handle, c.to.width, c.to.height), kImgOk);
    Image out = ReadBack(handle);
    ASSERT_EQ(out.width, c.to.width);
    ASSERT_EQ(out.height, c.to.height);
    // Two source pixels of margin (more when shrinking) keep the edge out.
    const int mx = 2 + 2 * c.to.width / c.from.width + 2 * c.from.width / c.to.width;
    const int my = 2 + 2 * c.to.height / c.from.height + 2 * c.from.height / c.to.height;
    double worst = 0;
    for (int y = my; y < out.height - my; ++y)
      for (int x = mx; x < out.width - mx; ++x) {
        Rgb p = out.At(x, y);
        double r = RampAt(x, c.from.width, c.to.width), g = RampAt(y, c.from.height, c.to.height);
        worst = std::max({worst, std::abs(p.r - r), std::abs(p.g - g), std::abs(p.b - (240 - r))});
      }
    EXPECT_LT(worst, 2.6) << c.from.width << "x" << c.from.height << " -> " << c.to.width << "x"
                          << c.to.height;
    // The edges stay within the ramp's range.
    for (std::uint8_t v : out.pixels) {
      EXPECT_GE(v, 18);
      EXPECT_LE(v, 222);
    }
    ImgFree(handle);
  }
}

// Stripes one pixel wide, across or down, shrunk by factors near and far
// from whole numbers: each output pixel averages what it covers.
TEST(Resize, ShrinkingFineStripesGivesEvenGrey) {
  const struct {
    bool across;
    Size to;
  } cases[] = {{true, {333, 480}}, {false, {640, 251}}, {true, {171, 97}},
               {false, {97, 171}}, {true, {319, 239}},  {true, {97, 61}},
               {false, {150, 37}}, {true, {40, 30}},    {false, {23, 19}}};
  for (const auto& c : cases) {
    Image stripes = Solid(640, 480, {0, 0, 0});
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        if ((c.across ? x : y) % 2 == 0) std::fill_n(stripes.Row(y) + 3 * x, 3, std::uint8_t{255});
    int handle = HandleFor(stripes);
    ASSERT_EQ(ImgResizeSmooth(handle, c.to.width, c.to.height), kImgOk);
    Image out = ReadBack(handle);
    // The outermost pixels see the edge stripe repeated beyond the edge, so
    // they lean towards its colour; that is the edge, not aliasing.
    double worst = 0;
    for (int y = 1; y < out.height - 1; ++y)
      for (int x = 1; x < out.width - 1; ++x)
        worst = std::max(worst, std::abs(out.At(x, y).g - 127.5));
    EXPECT_LT(worst, 3.0) << (c.across ? "across " : "down ") << c.to.width << "x" << c.to.height;
    ImgFree(handle);
  }
}

// A wave down a tall picture, enlarged or shrunk (directly or through block
// averages), lands where the output's rows map onto the source along the
// whole height: the picture is made in bands, and a band placed a row off, or
// weighted as if the picture ended at its edge, breaks the wave there. Wide
// results are made on two threads at once.
TEST(Resize, SmoothResizeFollowsAWaveDownTallPictures) {
  const struct {
    int fromHeight, toHeight;
    double period;  // source rows
    int toWidth;
  } cases[] = {{300, 1100, 16, 6},   {1500, 700, 64, 6},   {3000, 600, 160, 6},
               {300, 1100, 16, 600}, {1500, 700, 64, 500}, {3000, 600, 160, 700}};
  for (const auto& c : cases) {
    auto wave = [&](double y) {
      return 128 + 100 * std::sin(2 * std::numbers::pi * (y + 0.5) / c.period);
    };
    Image picture = Solid(8, c.fromHeight, {0, 0, 0});
    for (int y = 0; y < c.fromHeight; ++y)
      std::fill_n(picture.Row(y), 3 * 8, static_cast<std::uint8_t>(std::lround(wave(y))));
    int handle = HandleFor(picture);
    ASSERT_EQ(ImgResizeSmooth(handle, c.toWidth, c.toHeight), kImgOk);
    Image out = ReadBack(handle);
    double worst = 0;
    const int margin = 2 + 2 * c.fromHeight / c.toHeight;
    for (int y = margin; y < c.toHeight - margin; ++y) {
      const double expected = wave((y + 0.5) * c.fromHeight / c.toHeight - 0.5);
      for (int x = 0; x < c.toWidth; ++x)
        worst = std::max(worst, std::abs(out.At(x, y).g - expected));
    }
    EXPECT_LT(worst, 4.0) << c.fromHeight << " -> " << c.toWidth << "x" << c.toHeight;
    ImgFree(handle);
  }
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
