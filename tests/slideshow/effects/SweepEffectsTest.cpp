// The three sweeps that draw lines of blocks: which blocks each part of the
// pattern reveals, and in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/slideshow/effects/SweepTestStage.h"

namespace lumi {
namespace {

using test::SweepStage;

constexpr int kScannerSweep = 5, kPlusSweeps = 6, kAngleSweeps = 7;

// The picture's blocks as rows of '#' (shows the new picture), '.' (still
// untouched) and '?' (partly drawn); blocks cut by the picture's edge are
// judged on their visible part.
std::string CoverageMap(const SweepStage& stage, int size, int width, int height) {
  std::string map;
  for (int by = 0; by * size < height; ++by) {
    for (int bx = 0; bx * size < width; ++bx) {
      const RECT block{bx * size, by * size, std::min(width, (bx + 1) * size),
                       std::min(height, (by + 1) * size)};
      map += stage.ShowsNew(block) ? '#' : stage.Untouched(block) ? '.' : '?';
    }
    map += '\n';
  }
  return map;
}

std::string ExpectedMap(int cols, int rows, const std::function<bool(int, int)>& covered) {
  std::string map;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < cols; ++x) map += covered(x, y) ? '#' : '.';
    map += '\n';
  }
  return map;
}

TEST(PlusSweeps, CrossOnTenByThirtyBlocksRunsFiveStepsOfLinesOnePastTheEdge) {
  // Speed 1 blocks are 2 pixels: 19 x 59 pixels are block columns 0 .. 9 and
  // rows 0 .. 29.
  SweepStage stage(kPlusSweeps, 1, 19, 59, {4});  // even: the cross
  ASSERT_TRUE(stage.Prepared());
  EXPECT_EQ(stage.Draw(), 1);
  // Five steps of two column lines over rows 0 .. 30 and two row lines over
  // columns 0 .. 10, each one block past the picture.
  EXPECT_EQ(stage.Calls(), 5 * (2 * 31 + 2 * 11));
  // Columns 5 -/+ t and rows 15 -/+ t for t = 0 .. 4; block column 0 is left
  // to the final copy except where the rows cross it.
  EXPECT_EQ(CoverageMap(stage, 2, 19, 59), ExpectedMap(10, 30, [](int x, int y) {
              return (x >= 1 && x <= 9) || (y >= 11 && y <= 19);
            }));
  EXPECT_TRUE(stage.MarginsBlack());
  stage.FinishCopy();
  EXPECT_TRUE(stage.ShowsWholePicture());
}

TEST(PlusSweeps, CornerSquaresGrowAndLeaveTheMiddleToTheFinalCopy) {
  // 11 x 11 blocks: five steps grow 5 x 5 squares in the corners.
  SweepStage stage(kPlusSweeps, 1, 21, 21, {7});  // odd: the corners
  EXPECT_EQ(stage.DrawStoppingAfter(8, true), 0);
  EXPECT_EQ(CoverageMap(stage, 2, 21, 21), ExpectedMap(11, 11, [](int x, int y) {
              return (x == 0 || x == 10) && (y == 0 || y == 10);
            }));

  SweepStage whole(kPlusSweeps, 1, 21, 21, {7});
  EXPECT_EQ(whole.Draw(), 1);
  EXPECT_EQ(CoverageMap(whole, 2, 21, 21),
            ExpectedMap(11, 11, [](int x, int y) { return x != 5 && y != 5; }));
  EXPECT_TRUE(whole.MarginsBlack());
}

// Angle Sweeps on 10 x 10 blocks (speed 2, 4-pixel blocks): m = 10 and the
// centre is block (5, 5).
int Diamond(int x, int y) { return std::abs(x - 5) + std::abs(y - 5); }

struct AngleCase {
  const char* what;
  int random;      // rand() mod 5 picks the variant
  long stopAfter;  // lines; 0 to run to the end
  bool (*covered)(int x, int y);
};

const AngleCase kAngleCases[] = {
    {"diamond only, three steps", 6, 12, [](int x, int y) { return Diamond(x, y) <= 2; }},
    {"diamond only, to the end", 1, 0, [](int x, int y) { return Diamond(x, y) <= 9; }},
    {"corners then diamond, corner phase", 7, 20,
     [](int x, int y) {
       return x + y <= 4 || (9 - x) + (9 - y) <= 4 || x + (9 - y) <= 4 || (9 - x) + y <= 4;
     }},
    {"corners then diamond, to the end", 2, 0,
     [](int x, int y) {
       return x + y <= 4 || (9 - x) + (9 - y) <= 4 || x + (9 - y) <= 4 || (9 - x) + y <= 4 ||
              Diamond(x, y) <= 4;
     }},
    {"top-left and bottom-right corners only", 4, 0,
     [](int x, int y) { return x + y <= 9 || (9 - x) + (9 - y) <= 9; }},
    {"bottom-left and top-right corners, two steps", 3, 4,
     [](int x, int y) { return x + (9 - y) <= 1 || (9 - x) + y <= 1; }},
};

TEST(AngleSweeps, EachVariantCoversItsCornersAndDiamondInOrder) {
  for (const AngleCase& c : kAngleCases) {
    SCOPED_TRACE(c.what);
    SweepStage stage(kAngleSweeps, 2, 39, 39, {c.random});
    ASSERT_TRUE(stage.Prepared());
    EXPECT_EQ(c.stopAfter > 0 ? stage.DrawStoppingAfter(c.stopAfter, true) : stage.Draw(),
              c.stopAfter > 0 ? 0 : 1);
    EXPECT_EQ(CoverageMap(stage, 4, 39, 39), ExpectedMap(10, 10, c.covered));
    EXPECT_TRUE(stage.MarginsBlack());
  }
}

TEST(ScannerSweep, SingleBlockIsDrawnOnceInEachQuarter) {
  SweepStage stage(kScannerSweep, 2, 3, 3, {});
  EXPECT_EQ(stage.Draw(), 1);
  EXPECT_EQ(stage.Calls(), 4);
  EXPECT_TRUE(stage.ShowsWholePicture());
  EXPECT_TRUE(stage.MarginsBlack());
}

TEST(ScannerSweep, TurnsClockwiseFromTheTopRight) {
  // 10 x 10 blocks of 2 pixels around block (5, 5); ten lines a quarter.
  struct Quarter {
    long lines;
    bool (*mayBeCovered)(int x, int y);
    bool (*mustBeCovered)(int x, int y);
  };
  const Quarter quarters[] = {
      {10, [](int x, int) { return x >= 5; }, [](int x, int) { return x == 9; }},
      {20, [](int x, int y) { return x >= 5 || y >= 5; },
       [](int x, int y) { return x == 9 || y == 9; }},
      // The top row left of the centre waits for the last quarter.
      {30, [](int x, int y) { return y > 0 || x == 0 || x >= 5; },
       [](int x, int y) { return x == 9 || y == 9 || x == 0; }},
      {40, [](int, int) { return true; },
       [](int x, int y) { return x == 9 || y == 9 || x == 0 || y == 0; }},
  };
  for (const Quarter& q : quarters) {
    SCOPED_TRACE(q.lines);
    SweepStage stage(kScannerSweep, 1, 19, 19, {});
    EXPECT_EQ(stage.DrawStoppingAfter(q.lines, true), q.lines < 40 ? 0 : 1);
    EXPECT_TRUE(stage.MarginsBlack());
    const std::string map = CoverageMap(stage, 2, 19, 19);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        const char c = map[static_cast<std::size_t>(y * 11 + x)];
        if (q.mustBeCovered(x, y)) {
          EXPECT_EQ(c, '#') << x << ", " << y;
        }
        if (!q.mayBeCovered(x, y)) {
          EXPECT_EQ(c, '.') << x << ", " << y;
        }
      }
  }
}

}  // namespace
}  // namespace lumi
