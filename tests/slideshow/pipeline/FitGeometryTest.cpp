#include <gtest/gtest.h>

#include "slideshow/engine/pipeline/FitGeometry.h"

namespace lumi {
namespace {

struct EnlargeCase {
  const char* what;
  FitSize picture;
  FitRect area;
  FitSize target;
  bool resized;
  FitRect dest;  // centred at the size the picture ends with
};

// The picture the slideshow shows ends up at dest; a failure here shows as a
// misplaced, distorted or cropped picture on screen.
TEST(FitGeometry, EnlargeThenCentre) {
  const EnlargeCase cases[] = {
      {"aspects far apart: fitted",
       {640, 420},
       {0, 0, 1024, 768},
       {1024, 672},
       true,
       {0, 48, 1024, 720}},
      {"aspects close: stretched",
       {960, 680},
       {0, 0, 1024, 768},
       {1024, 768},
       true,
       {0, 0, 1024, 768}},
      {"one side already fits: left alone",
       {1000, 768},
       {0, 0, 1024, 768},
       {1024, 768},
       false,
       {12, 0, 1012, 768}},
      {"huge area limited around its centre",
       {640, 480},
       {0, 0, 2048, 1536},
       {1600, 1200},
       true,
       {224, 168, 1824, 1368}},
      {"same aspect: scaled", {320, 240}, {0, 0, 640, 480}, {640, 480}, true, {0, 0, 640, 480}},
      {"tall picture fitted by height",
       {300, 600},
       {0, 0, 800, 600},
       {300, 600},
       false,
       {250, 0, 550, 600}},
      {"shrunk to a small area",
       {800, 600},
       {10, 20, 210, 170},
       {200, 150},
       true,
       {10, 20, 210, 170}},
      {"just past the band: fitted",
       {600, 400},
       {0, 0, 1650, 1000},
       {1500, 1000},
       true,
       {75, 0, 1575, 1000}},
  };
  for (const EnlargeCase& c : cases) {
    SCOPED_TRACE(c.what);
    const FitSize target = EnlargeTarget(c.picture, c.area, true);
    EXPECT_EQ(target, c.target);
    EXPECT_EQ(NeedsResize(c.picture, target), c.resized);
    EXPECT_EQ(CentreIn(c.resized ? target : c.picture, c.area), c.dest);
  }
}

TEST(FitGeometry, StretchIgnoresTheAreaLimit) {
  // Nearly the area's aspect: the whole, unlimited area is the target; the
  // destination then centres it in the limited area, cropping evenly.
  const FitRect area{0, 0, 2048, 1536};
  const FitSize target = EnlargeTarget({1000, 720}, area, true);
  EXPECT_EQ(target, (FitSize{2048, 1536}));
  EXPECT_EQ(CentreIn(target, area), (FitRect{0, 0, 2048, 1536}));
}

TEST(FitGeometry, DegenerateSizesDoNotDivideByZero) {
  EXPECT_EQ(EnlargeTarget({0, 0}, {0, 0, 1024, 768}, true), (FitSize{0, 0}));
  EXPECT_EQ(EnlargeTarget({640, 480}, {0, 0, 1024, 0}, true), (FitSize{640, 480}));
  EXPECT_EQ(ScaleToFit({0, 10}, {0, 0, 100, 100}), (FitSize{0, 10}));
}

TEST(FitGeometry, LargerThanTheAreaGetsNegativeOffsets) {
  EXPECT_EQ(CentreIn({1200, 900}, {0, 0, 1024, 768}), (FitRect{-88, -66, 1112, 834}));
  // Odd excess: the division truncates toward zero on both axes.
  EXPECT_EQ(CentreIn({101, 51}, {0, 0, 100, 50}), (FitRect{0, 0, 101, 51}));
}

TEST(FitGeometry, OverlaySitsTwentyPixelsInFromItsCorner) {
  const FitSize picture{1024, 672};
  const FitSize overlay{168, 32};
  const struct {
    int corner;
    FitPoint at;
  } cases[] = {
      {0, {20, 20}}, {1, {836, 20}}, {2, {20, 620}}, {3, {836, 620}}, {4, {0, 0}}, {-1, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.corner);
    EXPECT_EQ(OverlayOrigin(picture, overlay, c.corner), c.at);
  }
}

}  // namespace
}  // namespace lumi
