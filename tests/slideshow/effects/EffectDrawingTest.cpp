#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "slideshow/effects/EffectDrawing.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

using Block = std::pair<int, int>;

// Runs DrawBlockLine from a white source onto a black target and reads back
// which blocks it copied.
std::set<Block> BlocksDrawn(int size, int left, int top, int x0, int y0, int x1, int y1) {
  test::Canvas source(64, 64);
  source.Fill(RGB(255, 255, 255));
  test::Canvas target(96, 96);
  target.Fill(RGB(0, 0, 0));
  DrawBlockLine(target.Dc(), source.Dc(), left, top, size, x0, y0, x1, y1);
  std::set<Block> blocks;
  for (int y = top; y + size <= target.Height(); y += size)
    for (int x = left; x + size <= target.Width(); x += size)
      if (target.At(x, y) == RGB(255, 255, 255))
        blocks.insert({(x - left) / size, (y - top) / size});
  return blocks;
}

TEST(DrawBlockLine, StepsTheMinorCoordinateAtTheEndOfEachRun) {
  struct Case {
    int x0, y0, x1, y1;
    std::vector<Block> blocks;
    const char* what;
  };
  const Case cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}, "shallow"},
      {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}, "shallow, backwards"},
      {0, 0, 1, 3, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}, "steep"},
      {2, 3, 5, 0, {{2, 3}, {3, 2}, {4, 1}, {5, 0}}, "diagonal, up"},
      {0, 5, 6, 5, {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}, "horizontal"},
      {3, 3, 3, 3, {{3, 3}}, "one block"},
      {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}, "run of three, then the step"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::set<Block> expected(c.blocks.begin(), c.blocks.end());
    EXPECT_EQ(BlocksDrawn(1, 0, 0, c.x0, c.y0, c.x1, c.y1), expected);
  }
}

TEST(DrawBlockLine, BlocksComeFromTheirPlaceInTheSourceAndLandOffsetOnTheTarget) {
  test::Canvas source(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) SetPixel(source.Dc(), x, y, RGB(x * 4, y * 4, 99));
  test::Canvas target(96, 96);
  target.Fill(RGB(0, 0, 0));
  DrawBlockLine(target.Dc(), source.Dc(), 10, 6, 8, 1, 1, 3, 2);
  const Block blocks[] = {{1, 1}, {2, 1}, {3, 2}};
  for (const Block& b : blocks) {
    for (int dy = 0; dy < 8; ++dy)
      for (int dx = 0; dx < 8; ++dx) {
        const int sx = b.first * 8 + dx, sy = b.second * 8 + dy;
        ASSERT_EQ(target.At(10 + sx, 6 + sy), source.At(sx, sy)) << b.first << "," << b.second;
      }
  }
  EXPECT_EQ(target.At(10 + 16, 6 + 16), RGB(0, 0, 0)) << "block (2,2) is not on the line";
}

TEST(CalibratedDelay, LoopCountsFromTheMeasuredSpeed) {
  // 50 reference loops in 100 ms: half a loop per millisecond, truncated.
  EXPECT_DOUBLE_EQ(delay::LoopsPerMillisecond(100), 0.5);
  EXPECT_EQ(delay::LoopsFor(3, 0.5), 1);
  EXPECT_EQ(delay::LoopsFor(1, 0.5), 0);
  EXPECT_EQ(delay::LoopsFor(10, 2.5), 25);
  // Too fast for the tick counter: counted as 1 ms, not a division by zero.
  EXPECT_DOUBLE_EQ(delay::LoopsPerMillisecond(0), 50.0);
  EXPECT_EQ(delay::LoopsFor(0, 50.0), 0);
  EXPECT_EQ(delay::LoopsFor(-20, 50.0), 0);
  EXPECT_GT(delay::LoopsFor(1 << 30, 1e6), 0) << "no overflow into a negative count";
  CalibratedDelay(0);
  CalibratedDelay(1);
}

}  // namespace
}  // namespace lumi
