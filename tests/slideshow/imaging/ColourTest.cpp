#include <gtest/gtest.h>

#include <set>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

Image Gradient() {
  Image image = Solid(256, 64, {0, 0, 0});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x) {
      std::uint8_t* p = image.Row(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y * 4);
      p[2] = static_cast<std::uint8_t>(255 - x);
    }
  return image;
}

std::set<std::uint32_t> Colours(const Image& image) {
  std::set<std::uint32_t> colours;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.At(x, y);
      colours.insert(std::uint32_t{c.r} << 16 | c.g << 8 | c.b);
    }
  return colours;
}

int BitsOf(int handle) {
  std::vector<std::uint8_t> dib;
  int w, h, bits = 0;
  ImgGetPackedDib(handle, dib, &w, &h, &bits);
  return bits;
}

TEST(Grey, UsesLuminanceWeights) {
  struct Case {
    Rgb colour;
    int grey;
  };
  const Case cases[] = {{{255, 0, 0}, 77},
                        {{0, 255, 0}, 149},
                        {{0, 0, 255}, 29},
                        {{255, 255, 255}, 255},
                        {{0, 0, 0}, 0}};
  for (const Case& c : cases) {
    int handle = HandleFor(Solid(3, 2, c.colour));
    ASSERT_EQ(ImgToGrey(handle), kImgOk);
    EXPECT_EQ(BitsOf(handle), 8);
    Rgb out = ReadBack(handle).At(1, 1);
    EXPECT_NEAR(out.r, c.grey, 1);
    EXPECT_EQ(out.r, out.g);
    EXPECT_EQ(out.g, out.b);
    ImgFree(handle);
  }
}

Image GreyRamp() {
  Image image = Solid(256, 4, {0, 0, 0});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 256; ++x)
      std::fill_n(image.Row(y) + 3 * x, 3, static_cast<std::uint8_t>(x));
  return image;
}

TEST(Quantise, GradientsKeepAtMost236ColoursWithSmallError) {
  struct Case {
    const char* name;
    Image picture;
    double maxError;  // 16384 colours on a plane cannot do better than about 4; the
                      // dither adds its own noise
    std::size_t minColours;
  };
  const Case cases[] = {{"plane", Gradient(), 4.8, 150}, {"grey ramp", GreyRamp(), 2.5, 60}};
  for (const Case& c : cases)
    for (int options : {0, kReduceOrderedDither}) {
      int handle = HandleFor(c.picture);
      ASSERT_EQ(ImgReduceColors(handle, 8, options, 236), kImgOk);
      EXPECT_EQ(BitsOf(handle), 8);
      Image out = ReadBack(handle);
      EXPECT_LE(Colours(out).size(), 236u);
      EXPECT_GE(Colours(out).size(), c.minColours) << c.name;  // the palette is actually used
      EXPECT_LT(MeanAbsDifference(out, c.picture), c.maxError) << c.name << " options " << options;
      ImgFree(handle);
    }
}

TEST(Quantise, FewColoursComeThroughExactly) {
  Image flag = Solid(30, 20, {10, 20, 30});
  for (int y = 10; y < 20; ++y) std::fill_n(flag.Row(y), 90, std::uint8_t{250});
  int handle = HandleFor(flag);
  ASSERT_EQ(ImgReduceColors(handle, 8, kReduceOrderedDither, 236), kImgOk);
  EXPECT_EQ(MeanAbsDifference(ReadBack(handle), flag), 0.0);
  EXPECT_EQ(BitsOf(handle), 4);  // two colours fit the 4-bit bitmap
  ImgFree(handle);
}

TEST(Quantise, DitherKeepsTheAverageOfAFlatColour) {
  const Rgb between{100, 150, 60};
  int handle = HandleFor(Solid(64, 64, between));
  ASSERT_EQ(ImgReduceLowColor(handle), kImgOk);
  EXPECT_EQ(BitsOf(handle), 4);
  Image out = ReadBack(handle);
  EXPECT_LE(Colours(out).size(), 16u);
  double sum[3] = {0, 0, 0};
  for (std::size_t i = 0; i < out.pixels.size(); ++i) sum[i % 3] += out.pixels[i];
  const double n = 64 * 64;
  EXPECT_NEAR(sum[0] / n, between.r, 25);
  EXPECT_NEAR(sum[1] / n, between.g, 25);
  EXPECT_NEAR(sum[2] / n, between.b, 25);
  ImgFree(handle);
}

}  // namespace
}  // namespace lumi::imaging::test
