#include <gtest/gtest.h>

#include <cmath>

#include "Palette.h"
#include "Raster.h"
#include "Shapes.h"

namespace artgen {
namespace {

TEST(RasterTest, TransformsUndoAndChainInOrder) {
  const Affine cases[] = {
      Affine::Translate(3, -7),
      Affine::ScaleBy(0.3f, 0.3f).Then(Affine::Translate(74, 62)),
      Affine::RotateAbout({100, 97}, 0.62f),
      Affine::RotateAbout({29, 20}, -0.3f).Then(Affine{-1, 0, 60, 0, 1, 0}),
  };
  for (const Affine& t : cases) {
    for (Vec2 p : {Vec2{0, 0}, Vec2{225, 154}, Vec2{-40, 12.5f}}) {
      Vec2 back = t.Inverse().Apply(t.Apply(p));
      EXPECT_NEAR(back.x, p.x, 1e-3f);
      EXPECT_NEAR(back.y, p.y, 1e-3f);
    }
  }
  // Then applies the receiver first: translate, then scale.
  Vec2 q = Affine::Translate(1, 0).Then(Affine::ScaleBy(2, 2)).Apply({1, 1});
  EXPECT_FLOAT_EQ(q.x, 4);
  EXPECT_FLOAT_EQ(q.y, 2);
  // Positive angles turn clockwise on screen: a point left of the pivot rises.
  Vec2 r = Affine::RotateAbout({0, 0}, 0.5f).Apply({-10, 0});
  EXPECT_LT(r.y, 0);
}

TEST(RasterTest, CoverageFollowsTheShapeArea) {
  struct Case {
    float x0, x1;  // a box across the whole height of one pixel
    float coverage;
  };
  for (Case k : {Case{0, 1, 1}, Case{0, 0.5f, 0.5f}, Case{0.25f, 0.5f, 0.25f}, Case{2, 3, 0}}) {
    Canvas c(1, 1);
    c.Fill(
        {k.x0, 0, k.x1, 1},
        [=](Vec2 p) {
          return std::max(std::max(k.x0 - p.x, p.x - k.x1), std::fabs(p.y - 0.5f) - 0.5f);
        },
        Rgb{1, 1, 1});
    FrameImage f = c.Resolve();
    EXPECT_NEAR(f.At(0, 0).a, k.coverage, 1e-5f) << k.x0 << ".." << k.x1;
    EXPECT_NEAR(f.At(0, 0).rgb.g, k.coverage, 1e-5f) << "colour is premultiplied";
  }
}

TEST(RasterTest, LaterShapesPaintOverEarlierOnes) {
  Canvas c(2, 1);
  auto all = [](Vec2) { return -1.0f; };
  c.Fill({0, 0, 2, 1}, all, Rgb{1, 0, 0});
  c.Fill({0, 0, 2, 1}, all, [](Vec2, float) { return Rgba{{0, 0, 1}, 0.25f}; });
  FrameImage f = c.Resolve();
  EXPECT_NEAR(f.At(1, 0).rgb.r, 0.75f, 1e-5f);
  EXPECT_NEAR(f.At(1, 0).rgb.b, 0.25f, 1e-5f);
  EXPECT_NEAR(f.At(1, 0).a, 1.0f, 1e-5f);
}

TEST(PaletteTest, EveryEntryIsDistinctAndMapsToItself) {
  const PaletteTable& pal = ScenePalette();
  Quantiser q;
  for (int i = 0; i < 256; ++i) {
    for (int j = 0; j < i; ++j)
      EXPECT_FALSE(pal[i].r == pal[j].r && pal[i].g == pal[j].g && pal[i].b == pal[j].b)
          << "entries " << j << " and " << i << " waste a slot";
    Rgb c{ToLinear(pal[i].r / 255.0f), ToLinear(pal[i].g / 255.0f), ToLinear(pal[i].b / 255.0f)};
    EXPECT_EQ(q.Index(c, 0, 0, false), i);
  }
  EXPECT_EQ(pal[0].r + pal[0].g + pal[0].b, 0);
  EXPECT_EQ(q.Index({0, 0, 0}, 3, 1, true), 0) << "dithering never lifts black";
}

TEST(PaletteTest, ShadedMaterialsFindAClosePaletteColour) {
  // Lighting turns each material from dark through its base to a highlight;
  // the palette's ramps must follow within about half a ramp step, or shaded
  // shapes would jump to another colour.
  Quantiser q;
  const PaletteTable& pal = ScenePalette();
  for (int m = 0; m < kMaterialCount; ++m) {
    Rgb base = Base(static_cast<Material>(m));
    for (float k : {0.12f, 0.3f, 0.45f, 0.7f, 0.9f}) {
      for (Rgb c : {base * k, Mix(base, Rgb{1, 1, 1}, k * 0.7f)}) {
        Rgb8 e = pal[q.Index(c, 0, 0, false)];
        Rgb got{ToLinear(e.r / 255.0f), ToLinear(e.g / 255.0f), ToLinear(e.b / 255.0f)};
        EXPECT_LT(PerceptualDistance(c, got), 0.06f) << "material " << m << " at " << k;
      }
    }
  }
}

}  // namespace
}  // namespace artgen
