#include <gtest/gtest.h>

#include "Gradient.h"
#include "Image.h"
#include "Thumbnail.h"

namespace samplegen {
namespace {

TEST(RenderTest, SupersamplingGivesEdgePixelsTheirCoverage) {
  // Left of x = 2.5 white, right black: pixel 2 is half covered.
  struct Case {
    int samples;
    int x;
    int expected;
  };
  const Case cases[] = {{1, 1, 255}, {1, 2, 0}, {2, 2, 128}, {4, 2, 128}, {4, 3, 0}};
  for (const Case& c : cases) {
    Image image = Render(
        5, 1, c.samples,
        [](float x, float) {
          return x < 2.5f ? Rgb{1, 1, 1} : Rgb{};
        },
        9);
    EXPECT_NEAR(image.At(c.x, 0)[0], c.expected, 1) << c.samples << " samples, pixel " << c.x;
  }
}

TEST(RenderTest, EveryRowIsShadedWhateverTheThreadShare) {
  Image image = Render(
      3, 37, 1,
      [](float, float y) {
        return Rgb{y / 37, 0, 0};
      },
      9);
  for (int y = 0; y < 37; ++y) {
    EXPECT_NEAR(image.At(1, y)[0], (y + 0.5) / 37 * 255, 1.5) << "row " << y;
  }
}

TEST(GradientTest, HoldsItsEndsAndPassesThroughItsStops) {
  Gradient g{{0.2f, Hex(0x000000)}, {0.5f, Hex(0xFF0000)}, {1, Hex(0xFFFFFF)}};
  struct Case {
    float at;
    float r, gb;
  };
  const Case cases[] = {{-1, 0, 0},   {0.2f, 0, 0},     {0.35f, 0.5f, 0},
                        {0.5f, 1, 0}, {0.75f, 1, 0.5f}, {2, 1, 1}};
  for (const Case& c : cases) {
    Rgb v = g.At(c.at);
    EXPECT_NEAR(v.r, c.r, 1e-4) << c.at;
    EXPECT_NEAR(v.g, c.gb, 1e-4) << c.at;
  }
}

TEST(ProfileTest, ReadsBackBetweenItsQuarterPixelSamples) {
  Profile line(10, [](float x) { return 3 * x; });
  for (float x : {0.0f, 0.1f, 4.3f, 9.9f}) EXPECT_NEAR(line.At(x), 3 * x, 1e-4) << x;
  EXPECT_NEAR(line.At(-5), 0, 1e-4) << "clamped before the start";
}

TEST(ShrinkTest, KeepsTheMeanColourAtAnyRatio) {
  // A checkerboard of black and white: every output pixel covers the same
  // area, so the picture's mean survives any ratio; halving gives exact grey.
  Image board{90, 60, {}};
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 90; ++x) {
      std::uint8_t v = (x + y) % 2 ? 255 : 0;
      board.rgb.insert(board.rgb.end(), {v, v, v});
    }
  }
  struct Case {
    int width, height;
    bool uniform;
  };
  for (const Case& c : {Case{45, 30, true}, Case{70, 47, false}, Case{13, 9, false}}) {
    Image small = Shrink(board, c.width, c.height);
    double sum = 0;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        sum += small.At(x, y)[1];
        if (c.uniform) {
          ASSERT_NEAR(small.At(x, y)[1], 128, 1) << x << "," << y;
        }
      }
    }
    EXPECT_NEAR(sum / (c.width * c.height), 127.5, 1.0) << c.width << " wide";
  }
}

}  // namespace
}  // namespace samplegen
