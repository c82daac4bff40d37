// The block effects' own behaviour: where and in which order their blocks
// appear, and the sizes where their grids get awkward.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "slideshow/effects/EffectCatalogue.h"
#include "tests/slideshow/effects/EffectTestSupport.h"

namespace lumi {
namespace {

using test::Canvas;
using test::PatternAt;
using test::PatternPicture;
using test::ScriptedRandom;

enum Row {
  kDrippingPaint = 0,
  kDropBlocks = 1,
  kRainDrops = 2,
  kScramble = 3,
  kJumbled = 4,
  kHotBlocks = 11,
  kSpiralBlocks = 12
};

constexpr RECT kDisplay{0, 0, 440, 260};
constexpr int kLeft = 30, kTop = 20;

// Looks at the canvas after every drawing call.
class LookingWatcher : public EffectWatcher {
 public:
  explicit LookingWatcher(std::function<void(long)> look) : look_(std::move(look)) {}
  void AfterDrawing(long calls) override { look_(calls); }

 private:
  std::function<void(long)> look_;
};

// One effect prepared on a fresh canvas with the picture at (kLeft, kTop);
// Run draws it, without the final copy.
struct Stage {
  Stage(int row, int speed, int width, int height, EffectRandom& random)
      : canvas(kDisplay.right, kDisplay.bottom), picture(width, height) {
    canvas.Fill(test::kUntouched);
    effect = CreateEffect(row);
    effect->SetSpeed(speed);
    effect->SetRandom(random);
    EXPECT_TRUE(effect->Prepare(canvas.Dc(), picture.At(kLeft, kTop), kDisplay, false, &stop));
    base = effect->DrawCalls();
  }
  int Run(EffectWatcher* watcher = nullptr) {
    if (watcher != nullptr) effect->SetWatcher(watcher);
    result = effect->Draw();
    effect->SetWatcher(nullptr);
    return result;
  }
  RECT PictureRect() const {
    return RECT{kLeft, kTop, kLeft + picture.Width(), kTop + picture.Height()};
  }
  // The picture's pixel (x, y) shows the new picture there.
  bool Shows(int x, int y) const { return canvas.At(kLeft + x, kTop + y) == PatternAt(x, y); }
  long Calls() const { return effect->DrawCalls() - base; }
  int Mismatches() const { return test::PictureMismatches(canvas, PictureRect(), kLeft, kTop); }

  std::atomic<bool> stop{false};
  Canvas canvas;
  PatternPicture picture;
  std::unique_ptr<CTransitionEffect> effect;
  long base = 0;
  int result = -1;
};

// Pixels of the display outside the picture that are not black: the margins
// stay black even where blocks and drops reach past the picture.
int LitMargin(const Stage& d) {
  const RECT pic = d.PictureRect();
  int lit = 0;
  for (int y = kDisplay.top; y < kDisplay.bottom; ++y)
    for (int x = kDisplay.left; x < kDisplay.right; ++x)
      if (!PtInRect(&pic, POINT{x, y}) && d.canvas.At(x, y) != RGB(0, 0, 0)) ++lit;
  return lit;
}

// The order in which cells of a grid first show their part of the picture,
// looked at after every drawing call at one point of each cell.
class AppearanceOrder : public EffectWatcher {
 public:
  AppearanceOrder(const Stage& stage, int size, int columns, int rows, int probe)
      : stage_(stage), size_(size), columns_(columns), rows_(rows), probe_(probe) {}
  void AfterDrawing(long) override {
    for (int c = 0; c < columns_; ++c)
      for (int r = 0; r < rows_; ++r) {
        const std::pair<int, int> cell{c, r};
        if (!seen_.count(cell) && stage_.Shows(c * size_ + probe_, r * size_ + probe_)) {
          seen_.insert(cell);
          order.push_back(cell);
        }
      }
  }
  std::vector<std::pair<int, int>> order;  // (column, row)

 private:
  const Stage& stage_;
  int size_, columns_, rows_, probe_;
  std::set<std::pair<int, int>> seen_;
};

// Every block effect but the drops places each block of the picture itself;
// the drops cover the picture when its sides are multiples of their grid.
TEST(BlockEffects, DrawAloneCompletesThePictureAndKeepsTheMarginsBlack) {
  struct Case {
    int row, width, height;
  } cases[] = {
      {kDrippingPaint, 203, 157}, {kDrippingPaint, 64, 130}, {kDropBlocks, 203, 157},
      {kDropBlocks, 64, 200},     {kRainDrops, 200, 150},    {kScramble, 203, 157},
      {kJumbled, 203, 157},       {kJumbled, 30, 30},        {kHotBlocks, 203, 157},
      {kHotBlocks, 240, 100},     {kSpiralBlocks, 203, 157}, {kSpiralBlocks, 240, 240},
  };
  for (const Case& c : cases) {
    for (int speed = 1; speed <= 3; ++speed) {
      for (std::uint32_t seed : {3u, 8u}) {
        ScriptedRandom random(seed);
        Stage d(c.row, speed, c.width, c.height, random);
        SCOPED_TRACE(d.effect->GetName() + " " + std::to_string(c.width) + " x " +
                     std::to_string(c.height) + ", speed " + std::to_string(speed));
        // Dripping Paint 64 pixels wide has a second column wholly outside
        // the picture; it must complete too, or the effect never ends.
        EXPECT_EQ(d.Run(), 1);
        EXPECT_EQ(d.Mismatches(), 0);
        EXPECT_EQ(LitMargin(d), 0);
      }
    }
  }
}

TEST(DrippingPaint, BlocksFallFromTheTopOfABlackenedPicture) {
  // One column of 64 x 200: rows 0 .. 3, the last mostly below the picture,
  // placed from the bottom up. Watch the top of the picture while the
  // blocks fall; the first row's block has no room to fall.
  ScriptedRandom random(1);
  Stage d(kDrippingPaint, 2, 64, 200, random);
  std::vector<COLORREF> top;
  LookingWatcher watch([&](long) { top.push_back(d.canvas.At(kLeft + 10, kTop + 10)); });
  EXPECT_EQ(d.Run(&watch), 1);
  ASSERT_FALSE(top.empty());
  EXPECT_EQ(top.front(), RGB(0, 0, 0));
  // The third row's block passes the top first, then the second row's.
  const auto third = std::find(top.begin(), top.end(), PatternAt(10, 128 + 10));
  const auto second = std::find(top.begin(), top.end(), PatternAt(10, 64 + 10));
  EXPECT_NE(third, top.end());
  EXPECT_LT(third, second);
  EXPECT_EQ(d.Mismatches(), 0);
}

TEST(DropBlocks, EveryColumnFillsFromTheEndTheRandomBitChooses) {
  // 2-pixel blocks on a 6 x 6 picture: columns and rows 0 .. 2 inside, a
  // fourth of each outside.
  for (int bit : {0, 1}) {
    SCOPED_TRACE(bit == 0 ? "even: bottom up" : "odd: top down");
    ScriptedRandom random(11);
    random.Queue({bit});
    Stage d(kDropBlocks, 1, 6, 6, random);
    AppearanceOrder watch(d, 2, 3, 3, 1);
    EXPECT_EQ(d.Run(&watch), 1);
    ASSERT_EQ(watch.order.size(), 9u);
    for (int c = 0; c < 3; ++c) {
      std::vector<int> rows;
      for (const auto& [column, row] : watch.order)
        if (column == c) rows.push_back(row);
      EXPECT_EQ(rows, bit == 0 ? (std::vector<int>{2, 1, 0}) : (std::vector<int>{0, 1, 2}))
          << "column " << c;
    }
  }
}

TEST(RainDrops, PictureBelowTheGridHasOneDropAtItsCorner) {
  // 49 x 49: one grid point, at the top-left corner.
  const long radii[] = {49, 13, 6};  // radius steps 1, 4 and 9, below 50
  for (int speed = 1; speed <= 3; ++speed) {
    SCOPED_TRACE("speed " + std::to_string(speed));
    ScriptedRandom random(2);
    Stage d(kRainDrops, speed, 49, 49, random);
    EXPECT_EQ(d.Run(), 1);
    EXPECT_EQ(d.Calls(), radii[speed - 1]);
    EXPECT_TRUE(d.Shows(0, 0));
    EXPECT_TRUE(d.Shows(20, 20));
    // The far corner lies 68 pixels away: the final copy completes it.
    EXPECT_FALSE(d.Shows(48, 48));
    EXPECT_EQ(LitMargin(d), 0);
    d.effect->FinishCopy();
    EXPECT_EQ(d.Mismatches(), 0);
  }
}

TEST(RainDrops, ADropIsRoundAroundItsGridPoint) {
  // 100 x 100 has points 0, 50, 100 each way, column by column: the fifth is
  // (50, 50). Stop once it has grown to radius 49.
  ScriptedRandom random(1);
  random.Queue({4});
  Stage d(kRainDrops, 1, 100, 100, random);
  test::StopWatcher stopAfterOneDrop(d.stop, 49);
  stopAfterOneDrop.Attach(*d.effect);
  EXPECT_EQ(d.Run(), 0);
  EXPECT_TRUE(d.Shows(50, 50));
  EXPECT_TRUE(d.Shows(50 + 45, 50));
  EXPECT_TRUE(d.Shows(50 - 30, 50 + 30));
  // The square's corners lie outside the disc.
  EXPECT_FALSE(d.Shows(50 + 45, 50 + 45));
  EXPECT_FALSE(d.Shows(50 - 45, 50 - 45));
  EXPECT_FALSE(d.Shows(0, 0));
}

TEST(JumbledBlocks, FewerThanTwoBlocksAcrossTakesThePiecesFromTheFirstColumn) {
  // 18-pixel blocks on 30 x 100: one whole block across, five down. The
  // cover's pieces come from the first column and from rows 1 .. 4; stop
  // right after the cover to see it.
  ScriptedRandom random(4);
  Stage d(kJumbled, 3, 30, 100, random);
  const int cells = 2 * 6;
  test::StopWatcher stopAfterCover(d.stop, cells);
  stopAfterCover.Attach(*d.effect);
  EXPECT_EQ(d.Run(), 0);
  EXPECT_EQ(stopAfterCover.calls, cells);
  std::set<int> rowsUsed;
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 6; ++j) {
      const COLORREF c = d.canvas.At(kLeft + i * 18, kTop + j * 18);
      int from = -1;
      for (int row = 1; row <= 4; ++row)
        if (c == PatternAt(0, row * 18)) from = row;
      EXPECT_NE(from, -1) << "cell " << i << ", " << j;
      rowsUsed.insert(from);
    }
  EXPECT_GT(rowsUsed.size(), 1u);
}

TEST(HotBlocks, SlowBlocksCreepAPixelAStepAndStopWithinAStep) {
  // 192-pixel blocks on 384 x 192: a grid of 3 x 2 cells, column by column.
  // The shuffle brings cell (1, 0) to the front, the even bit makes the
  // motion slow, and the block starts at the left edge for x = 192.
  auto script = [](ScriptedRandom& random) {
    random.Queue({2, 1, 2, 3, 4, 5});  // positions 0 and 2 swap, the others stay
    random.Queue({0});                 // slow
    random.Queue({0});                 // from the left edge
  };
  {
    ScriptedRandom random(9);
    script(random);
    Stage d(kHotBlocks, 3, 384, 192, random);
    // The slow block smears: all but its leading edge is covered. Where the
    // untouched picture area begins, less a block, is the block's left edge.
    std::vector<int> leftEdge;
    LookingWatcher watch([&](long) {
      int x = 0;
      while (x < 384 && d.canvas.At(kLeft + x, kTop + 5) != test::kUntouched) ++x;
      leftEdge.push_back(x - 192);
    });
    EXPECT_EQ(d.Run(&watch), 1);
    // 192 steps of one pixel each, then the block in its place.
    ASSERT_GE(leftEdge.size(), 193u);
    for (int k = 0; k < 193; ++k) ASSERT_EQ(leftEdge[k], k) << "step " << k;
    EXPECT_EQ(d.Mismatches(), 0);
  }
  for (long stopAt : {1L, 100L}) {
    ScriptedRandom random(9);
    script(random);
    Stage d(kHotBlocks, 3, 384, 192, random);
    test::StopWatcher watcher(d.stop, stopAt);
    watcher.Attach(*d.effect);
    EXPECT_EQ(d.Run(), 0);
    EXPECT_EQ(watcher.calls, stopAt);
  }
}

TEST(SpiralBlocks, NarrowerThanOneBlockDrawsOneColumnDownwardAndEnds) {
  // 64-pixel blocks on 30 x 150: three rows of one column.
  ScriptedRandom random(1);
  Stage d(kSpiralBlocks, 1, 30, 150, random);
  AppearanceOrder watch(d, 64, 1, 3, 5);
  EXPECT_EQ(d.Run(&watch), 1);
  EXPECT_EQ(watch.order, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}}));
  // Down the column, and back up it to the ring's first block as the ring
  // closes.
  EXPECT_EQ(d.Calls(), 5);
  EXPECT_EQ(d.Mismatches(), 0);
}

TEST(SpiralBlocks, GoesClockwiseFromTheOutsideIn) {
  // 64-pixel blocks on 192 x 192: the outer ring of eight, then the centre.
  ScriptedRandom random(1);
  Stage d(kSpiralBlocks, 1, 192, 192, random);
  AppearanceOrder watch(d, 64, 3, 3, 32);
  EXPECT_EQ(d.Run(&watch), 1);
  EXPECT_EQ(watch.order,
            (std::vector<std::pair<int, int>>{
                {0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {1, 1}}));
}

}  // namespace
}  // namespace lumi
