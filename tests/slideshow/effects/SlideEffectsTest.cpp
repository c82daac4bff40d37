// The effects that move the picture on screen or lay down strips: where the
// old picture goes, where the new one comes in, and what is left to the
// final copy.
#include <gtest/gtest.h>

#include <vector>

#include "tests/slideshow/effects/SweepTestStage.h"

namespace lumi {
namespace {

using test::SweepStage;

constexpr int kPictureSlide = 8, kWeaveLines = 9, kVenetianBlinds = 10, kScrollBlocks = 13;

// What a part of the picture (relative to its corner) must show: the new or
// the old picture's pixel (x + dx, y + dy).
struct Area {
  RECT r;
  bool isNew;
  int dx, dy;
};

void ExpectAreas(const SweepStage& stage, const std::vector<Area>& areas) {
  for (const Area& a : areas) {
    SCOPED_TRACE(::testing::Message() << (a.isNew ? "new" : "old") << " picture at " << a.r.left
                                      << "," << a.r.top << " - " << a.r.right << ","
                                      << a.r.bottom);
    EXPECT_TRUE(a.isNew ? stage.ShowsNew(a.r, a.dx, a.dy) : stage.ShowsOld(a.r, a.dx, a.dy));
  }
}

// Picture Slide on 70 x 50 pixels at speed 1 (6-pixel steps): 11 steps
// across with 4 pixels over, 8 steps down with 2 over. After k steps the old
// picture has moved k * 6 pixels and the new one fills the k * 6 behind it.
std::vector<Area> SlideAfter(int direction, int k) {
  const int w = 70, h = 50, m = k * 6;
  switch (direction) {
    case 0:
      return {{{0, 0, m, h}, true, w - m, 0}, {{m, 0, w, h}, false, -m, 0}};
    case 1:
      return {{{w - m, 0, w, h}, true, m - w, 0}, {{0, 0, w - m, h}, false, m, 0}};
    case 2:
      return {{{0, 0, w, m}, true, 0, h - m}, {{0, m, w, h}, false, 0, -m}};
    default:
      return {{{0, h - m, w, h}, true, 0, m - h}, {{0, 0, w, h - m}, false, 0, m}};
  }
}

TEST(PictureSlide, NewPicturePushesTheOldOneOutInEachDirection) {
  for (int direction = 0; direction < 4; ++direction) {
    SCOPED_TRACE(::testing::Message() << "direction " << direction);
    SweepStage stage(kPictureSlide, 1, 70, 50, {8 + direction}, true);
    // Each step scrolls and then copies the strip that came free.
    EXPECT_EQ(stage.DrawStoppingAfter(3 * 2), 0);
    EXPECT_EQ(stage.Calls(), 3 * 2);
    ExpectAreas(stage, SlideAfter(direction, 3));
    EXPECT_TRUE(stage.MarginsBlack());
  }
}

TEST(PictureSlide, FinalCopyMakesTheLastPartOfTheWay) {
  for (int direction = 0; direction < 4; ++direction) {
    SCOPED_TRACE(::testing::Message() << "direction " << direction);
    SweepStage stage(kPictureSlide, 1, 70, 50, {direction}, true);
    EXPECT_EQ(stage.Draw(), 1);
    // A strip narrower than a step still shows the edge of the old picture.
    ExpectAreas(stage, SlideAfter(direction, direction < 2 ? 11 : 8));
    EXPECT_TRUE(stage.MarginsBlack());
    stage.FinishCopy();
    EXPECT_TRUE(stage.ShowsWholePicture());
  }
}

// Scroll Blocks at speed 1 (32-pixel bands). Column bands on 69 x 103 pixels
// (2 bands, 3 steps, 5 and 7 pixels over); row bands on 103 x 69.
TEST(ScrollBlocks, NeighbouringBandsMoveOppositeWaysCarryingTheNewPictureIn) {
  SweepStage columns(kScrollBlocks, 1, 69, 103, {2}, true);
  EXPECT_EQ(columns.DrawStoppingAfter(2 * 2), 0);
  ExpectAreas(columns, {
                           // The first band moves down, fed at its top from two bands down.
                           {{0, 0, 32, 32}, true, 0, 64},
                           {{0, 32, 32, 103}, false, 0, -32},
                           // The second moves up, fed at its bottom from the top.
                           {{32, 0, 64, 71}, false, 0, 32},
                           {{32, 71, 64, 103}, true, 0, -71},
                           // Beyond the last whole band nothing moves.
                           {{64, 0, 69, 103}, false, 0, 0},
                       });
  EXPECT_TRUE(columns.MarginsBlack());

  SweepStage rows(kScrollBlocks, 1, 103, 69, {3}, true);
  EXPECT_EQ(rows.DrawStoppingAfter(2 * 2), 0);
  ExpectAreas(rows, {
                        {{0, 0, 32, 32}, true, 64, 0},
                        {{32, 0, 103, 32}, false, -32, 0},
                        {{0, 32, 71, 64}, false, 32, 0},
                        {{71, 32, 103, 64}, true, -71, 0},
                        {{0, 64, 103, 69}, false, 0, 0},
                    });
  EXPECT_TRUE(rows.MarginsBlack());
}

TEST(ScrollBlocks, FullRunLeavesOnlyTheRemainderToTheFinalCopy) {
  SweepStage columns(kScrollBlocks, 1, 69, 103, {0}, true);
  EXPECT_EQ(columns.Draw(), 1);
  EXPECT_EQ(columns.Calls(), 3 * 2 * 2);
  ExpectAreas(columns, {
                           {{0, 0, 32, 96}, true, 0, 0},
                           {{0, 96, 32, 103}, false, 0, -96},
                           {{32, 7, 64, 103}, true, 0, -7},
                           {{32, 0, 64, 7}, false, 0, 96},
                       });
  EXPECT_TRUE(columns.MarginsBlack());
  columns.FinishCopy();
  EXPECT_TRUE(columns.ShowsWholePicture());
}

TEST(ScrollBlocks, PictureSmallerThanABandDrawsNothing) {
  for (int form : {0, 1}) {
    SweepStage stage(kScrollBlocks, 1, 200, 20, {form}, true);
    EXPECT_EQ(stage.Draw(), 1);
    EXPECT_EQ(stage.Calls(), 0);
    stage.FinishCopy();
    EXPECT_TRUE(stage.ShowsWholePicture());
  }
}

// Weave Lines at speed 1 (2-pixel squares) on 12 x 12 pixels: 6 lines of
// 6 cells each way. The first line's pairs are 3 calls of 2 squares.
TEST(WeaveLines, FirstLineFromEachSideTakesAlternateCells) {
  struct Form {
    int orientation, pattern;
    bool nearSideOnEvenCells;
  };
  // In the alternating pattern the first line trades cells with the far side.
  const Form forms[] = {{0, 0, true}, {0, 1, false}, {1, 0, true}, {1, 1, false}};
  for (const Form& f : forms) {
    SCOPED_TRACE(::testing::Message() << "orientation " << f.orientation << ", pattern " << f.pattern);
    SweepStage stage(kWeaveLines, 1, 12, 12, {f.orientation, f.pattern});
    EXPECT_EQ(stage.DrawStoppingAfter(6), 0);
    for (int cell = 0; cell < 6; ++cell) {
      const bool nearDrawn = (cell % 2 == 0) == f.nearSideOnEvenCells;
      const int a = cell * 2;
      // Near side: the first column (or row); far side: the last one.
      const RECT nearCell = f.orientation == 0 ? RECT{0, a, 2, a + 2} : RECT{a, 0, a + 2, 2};
      const RECT farCell = f.orientation == 0 ? RECT{10, a, 12, a + 2} : RECT{a, 10, a + 2, 12};
      EXPECT_EQ(stage.ShowsNew(nearCell), nearDrawn) << cell;
      EXPECT_EQ(stage.Untouched(nearCell), !nearDrawn) << cell;
      EXPECT_EQ(stage.ShowsNew(farCell), !nearDrawn) << cell;
      EXPECT_EQ(stage.Untouched(farCell), nearDrawn) << cell;
    }
    EXPECT_TRUE(stage.Untouched(f.orientation == 0 ? RECT{2, 0, 10, 12} : RECT{0, 2, 12, 10}));

    // The two sides' threads fill each other's gaps.
    SweepStage whole(kWeaveLines, 1, 12, 12, {f.orientation, f.pattern});
    EXPECT_EQ(whole.Draw(), 1);
    EXPECT_TRUE(whole.ShowsWholePicture());
    EXPECT_TRUE(whole.MarginsBlack());
  }
}

// Records which strip each drawing call revealed.
class StripOrder : public EffectWatcher {
 public:
  StripOrder(const SweepStage& stage, int strips, bool horizontal)
      : stage_(stage), drawn_(static_cast<std::size_t>(strips)), horizontal_(horizontal) {}
  void AfterDrawing(long) override {
    for (std::size_t k = 0; k < drawn_.size(); ++k) {
      const int a = static_cast<int>(k) * 4;
      const RECT strip = horizontal_ ? RECT{0, a, 12, a + 4} : RECT{a, 0, a + 4, 12};
      if (!drawn_[k] && stage_.ShowsNew(strip)) {
        drawn_[k] = true;
        order.push_back(static_cast<int>(k));
      }
    }
  }
  std::vector<int> order;

 private:
  const SweepStage& stage_;
  std::vector<bool> drawn_;
  bool horizontal_;
};

TEST(VenetianBlinds, StripsComeInTheShuffledOrder) {
  // Five 4-pixel strips (speed 2). Entry i swaps with entry rand() mod 5:
  // 3, 0, 4, 4, 1 turn 0 1 2 3 4 into 1 0 4 2 3.
  for (int orientation : {1, 0}) {
    SCOPED_TRACE(orientation ? "horizontal" : "vertical");
    const int w = orientation ? 12 : 20, h = orientation ? 20 : 12;
    SweepStage stage(kVenetianBlinds, 2, w, h, {orientation, 8, 5, 14, 4, 6});
    StripOrder watcher(stage, 5, orientation == 1);
    stage.Effect().SetWatcher(&watcher);
    EXPECT_EQ(stage.Draw(), 1);
    stage.Effect().SetWatcher(nullptr);
    EXPECT_EQ(watcher.order, (std::vector<int>{1, 0, 4, 2, 3}));
    EXPECT_EQ(stage.Calls(), 5);
  }
}

TEST(VenetianBlinds, NoWholeStripDrawsNothing) {
  for (int orientation : {0, 1}) {
    SweepStage stage(kVenetianBlinds, 2, 3, 3, {orientation});
    EXPECT_EQ(stage.Draw(), 1);
    EXPECT_EQ(stage.Calls(), 0);
  }
}

}  // namespace
}  // namespace lumi
