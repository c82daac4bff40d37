// The thumbnail view as its parent and its user see it: the grid, scrolling,
// selection by keyboard and mouse, the notifications, and which thumbnails
// are decoded when.
#include <gtest/gtest.h>
#include <windows.h>

#include "slideshow/engine/collection/PictureInfo.h"
#include "tests/slideshow/thumbnails/ThumbnailFixture.h"

namespace lumi::test {
namespace {

// 316 pixels across make three columns both in the creation layout
// (316 / 80) and in the resized one (the client width less the scroll bar,
// over 98); 200 down make two rows either way.
constexpr int kWidth = 316;
constexpr int kHeight = 200;

bool InSight(const ViewFixture& f, int index) {
  const int offset = f.view.Scroller()->Position() * f.view.Scroller()->LineSize();
  RECT inSight = f.Client();
  OffsetRect(&inSight, 0, offset);
  RECT cell = f.view.CellRect(index), common;
  return IntersectRect(&common, &cell, &inSight) != FALSE;
}

int VisibleCells(const ViewFixture& f) {
  int visible = 0;
  for (int i = 0; i < f.view.GetCount(); ++i) visible += InSight(f, i) ? 1 : 0;
  return visible;
}

TEST(ThumbnailViewLayoutTest, CreationLayoutFillsTheClientAreaInTwoRows) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(7));
  ASSERT_EQ(f.view.Columns(), 3);
  ASSERT_EQ(f.view.Rows(), 2);
  const RECT client = f.Client();
  const int pitchX = client.right / 3, pitchY = client.bottom / 2;
  for (int i = 0; i < 7; ++i) {
    const RECT r = f.view.CellRect(i);
    EXPECT_EQ(r.left, 4 + (i % 3) * pitchX) << i;
    EXPECT_EQ(r.top, 4 + (i / 3) * pitchY) << i;
    EXPECT_EQ(r.right - r.left, pitchX - 8) << i;
    EXPECT_EQ(r.bottom - r.top, pitchY - 8) << i;
    EXPECT_LE(r.right, client.right) << i;
  }
}

TEST(ThumbnailViewLayoutTest, ScrollRangeCountsOneMorePictureOnlyAfterAResize) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(6));
  // Six pictures in three columns fill the two rows: nothing to scroll.
  EXPECT_EQ(f.view.Scroller()->Range(), 0);
  EXPECT_EQ(f.ScrollBarMax(), 0);

  SetWindowPos(f.view.Handle(), nullptr, 0, 0, kWidth + 2, kHeight + 2, SWP_NOMOVE | SWP_NOZORDER);
  f.parent.Pump();
  const RECT client = f.Client();
  ASSERT_EQ(f.view.Columns(), 3);
  ASSERT_EQ(f.view.Rows(), 2);
  // ceiling(7 / 3) - 2.
  EXPECT_EQ(f.view.Scroller()->Range(), 1);
  EXPECT_EQ(f.ScrollBarMax(), 1);

  // Fixed 90 x 89 cells, eight apart, the spare width shared on both sides.
  const int margin = (client.right % 98) / 2;
  for (int i = 0; i < 6; ++i) {
    const RECT r = f.view.CellRect(i);
    EXPECT_EQ(r.left, margin + 4 + (i % 3) * 98) << i;
    EXPECT_EQ(r.top, 4 + (i / 3) * 97) << i;
    EXPECT_EQ(r.right - r.left, 90) << i;
    EXPECT_EQ(r.bottom - r.top, 89) << i;
  }
}

TEST(ThumbnailViewLayoutTest, StartIndexIsSelectedAndScrolledToItsRow) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(30), 13);
  EXPECT_EQ(f.view.GetSelection(), 13);
  EXPECT_EQ(f.view.Scroller()->Position(), 13 / 3);
  CPictureInfo info;
  ASSERT_TRUE(f.view.GetSelectedPicture(info));
  EXPECT_EQ(info.GetTitle(), "Picture 14");
  EXPECT_EQ(info.GetIndex(), 13);
}

TEST(ThumbnailViewLayoutTest, EmptyOrMissingCollectionLeavesNothingToSelect) {
  ViewFixture f(kWidth, kHeight);
  CPictureInfo info;
  EXPECT_FALSE(f.view.GetSelectedPicture(info));  // no collection yet

  f.Show({});
  EXPECT_EQ(f.view.GetCount(), 0);
  EXPECT_EQ(f.view.GetSelection(), -1);
  EXPECT_FALSE(f.view.GetSelectedPicture(info));
  f.Key(VK_SPACE);
  f.Click(WM_LBUTTONDOWN, 0);
  EXPECT_EQ(f.view.GetSelection(), -1);
  EXPECT_TRUE(f.parent.selections.empty());
}

TEST(ThumbnailViewLayoutTest, TheSameCollectionAgainKeepsTheViewUnlessForced) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(9));
  f.Click(WM_LBUTTONDOWN, 4);
  f.view.SetCollection(&f.collection, 0, false);
  EXPECT_EQ(f.view.GetCount(), 9);
  EXPECT_EQ(f.view.GetSelection(), 4);

  f.view.SetCollection(&f.collection, 2, true);
  EXPECT_EQ(f.view.GetCount(), 9);
  EXPECT_EQ(f.view.GetSelection(), 2);
}

TEST(ThumbnailViewKeyboardTest, KeysMoveTheSelectionWithinTheCollection) {
  // Ten pictures, three columns, two rows: a page is six cells.
  const struct {
    int from;
    UINT key;
    int to;
  } moves[] = {
      {8, VK_NEXT, 9},  // Page Down on the last page selects the last picture
      {9, VK_NEXT, 9},  {7, VK_PRIOR, 1}, {2, VK_PRIOR, 0},  {4, VK_UP, 1},   {1, VK_UP, 0},
      {7, VK_DOWN, 9},  {4, VK_DOWN, 7},  {0, VK_LEFT, 0},   {5, VK_LEFT, 4}, {9, VK_RIGHT, 9},
      {3, VK_RIGHT, 4}, {5, VK_SPACE, 5}, {5, VK_RETURN, 5}, {5, 'A', 5},
  };
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(10));
  for (const auto& m : moves) {
    f.view.Select(m.from);
    f.parent.Pump();
    f.parent.selections.clear();
    f.Key(m.key);
    EXPECT_EQ(f.view.GetSelection(), m.to) << m.from << " key " << m.key;
    // Only a move is announced.
    EXPECT_EQ(f.parent.selections.size(), m.to == m.from ? 0u : 1u) << m.from << " key " << m.key;
  }
}

TEST(ThumbnailViewKeyboardTest, SpaceSelectsTheFirstPictureOnlyWithoutASelection) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(5), 10);  // a start past the end selects nothing
  ASSERT_EQ(f.view.GetSelection(), -1);
  f.Key(VK_SPACE);
  EXPECT_EQ(f.view.GetSelection(), 0);
  EXPECT_EQ(f.parent.selections, std::vector<int>{0});
}

TEST(ThumbnailViewKeyboardTest, MovingOutOfSightScrollsTheNewCellIn) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(30));
  f.Key(VK_NEXT);
  f.Key(VK_NEXT);
  EXPECT_EQ(f.view.GetSelection(), 12);
  EXPECT_EQ(f.view.Scroller()->Position(), 4);
  // Scrolled away with the scroll bar, a key first returns towards the
  // selection and moves on from there.
  SendMessageA(f.view.Handle(), WM_VSCROLL, SB_TOP, 0);
  ASSERT_EQ(f.view.Scroller()->Position(), 0);
  f.Key(VK_RIGHT);
  EXPECT_EQ(f.view.GetSelection(), 13);
  EXPECT_TRUE(InSight(f, 13));
}

TEST(ThumbnailViewMouseTest, ClicksSelectAndEverySelectionIsAnnounced) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(4));
  f.Click(WM_LBUTTONDOWN, 2);
  f.Click(WM_LBUTTONDOWN, 2);  // the selected cell again is announced again
  f.view.Select(3);
  f.parent.Pump();
  EXPECT_EQ(f.parent.selections, (std::vector<int>{2, 2, 3}));

  // The right button selects like the left, the first cell too, and leaves
  // no capture behind.
  f.Click(WM_RBUTTONDOWN, 0);
  EXPECT_EQ(f.view.GetSelection(), 0);
  EXPECT_EQ(f.parent.selections.back(), 0);
  EXPECT_NE(GetCapture(), f.view.Handle());

  // Between cells and below the last one nothing is hit.
  const RECT gap = f.view.CellRect(0);
  f.ClickAt(WM_LBUTTONDOWN, POINT{gap.right + 2, gap.top + 10});
  EXPECT_EQ(f.view.GetSelection(), 0);
  EXPECT_EQ(f.parent.selections.size(), 4u);
}

TEST(ThumbnailViewMouseTest, DoubleClickOnACellAsksForTheWallpaper) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(4));  // the second row ends after one cell
  const POINT empty{f.CentreOf(2).x, f.CentreOf(3).y};
  f.ClickAt(WM_LBUTTONDBLCLK, empty);
  EXPECT_EQ(f.parent.activations, 0);

  f.Click(WM_LBUTTONDOWN, 1);
  f.Click(WM_LBUTTONDBLCLK, 1);
  EXPECT_EQ(f.parent.activations, 1);
  // The parent learns the picture from the selection.
  CPictureInfo info;
  ASSERT_TRUE(f.view.GetSelectedPicture(info));
  EXPECT_EQ(info.GetTitle(), "Picture 2");
}

TEST(ThumbnailViewMouseTest, DraggingBelowTheViewScrollsUntilTheButtonIsReleased) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(30));
  f.parent.selections.clear();
  const POINT inside = f.CentreOf(1);
  SendMessageA(f.view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
  ASSERT_EQ(GetCapture(), f.view.Handle());
  const RECT client = f.Client();
  SendMessageA(f.view.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, client.bottom + 20));
  // Each tick of the auto-scroll timer moves a row; the ticks are delivered
  // here rather than waited for.
  for (int tick = 0; tick < 3; ++tick) {
    SendMessageA(f.view.Handle(), WM_TIMER, CThumbnailView::kAutoScrollTimer, 0);
  }
  EXPECT_EQ(f.view.Scroller()->Position(), 3);
  EXPECT_EQ(f.view.GetSelection(), 1);  // the selection does not follow

  SendMessageA(f.view.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(inside.x, client.bottom + 20));
  EXPECT_NE(GetCapture(), f.view.Handle());
  SendMessageA(f.view.Handle(), WM_TIMER, CThumbnailView::kAutoScrollTimer, 0);
  EXPECT_EQ(f.view.Scroller()->Position(), 3);

  // A second drag scrolls again, upwards this time.
  SendMessageA(f.view.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
  SendMessageA(f.view.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, -5));
  SendMessageA(f.view.Handle(), WM_TIMER, CThumbnailView::kAutoScrollTimer, 0);
  EXPECT_EQ(f.view.Scroller()->Position(), 2);
  SendMessageA(f.view.Handle(), WM_LBUTTONUP, 0, 0);
}

TEST(ThumbnailViewLoadingTest, OnlyCellsInSightAreDecodedUntilTheyArePainted) {
  ViewFixture f(kWidth, kHeight);
  f.Show(SamplePictures(200));
  ASSERT_EQ(f.view.GetCount(), 200);
  ASSERT_EQ(VisibleCells(f), 6);
  EXPECT_EQ(f.loader.requests.size(), 6u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(f.view.Cell(i)->IsLoaded(), i < 6) << i;

  // Cells drawn while the view was built need no paint of their own.
  f.parent.Pump();
  UpdateWindow(f.view.Handle());
  EXPECT_EQ(f.loader.requests.size(), 6u);

  SendMessageA(f.view.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  UpdateWindow(f.view.Handle());
  EXPECT_GT(f.view.Scroller()->Position(), 0);
  EXPECT_EQ(f.loader.requests.size(),
            static_cast<std::size_t>(f.view.Scroller()->Position() * 3 + 6));
  EXPECT_TRUE(f.view.Cell(f.view.Scroller()->Position() * 3 + 5)->IsLoaded());
  EXPECT_FALSE(f.view.Cell(199)->IsLoaded());

  SendMessageA(f.view.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  UpdateWindow(f.view.Handle());
  EXPECT_TRUE(f.view.Cell(199)->IsLoaded());
  EXPECT_EQ(f.loader.requests.back(), "@pk@Pic08.thu");  // picture 200 of the cycle of 12
  // Each cell decodes once, however often it is painted.
  int loaded = 0;
  for (int i = 0; i < 200; ++i) loaded += f.view.Cell(i)->IsLoaded() ? 1 : 0;
  EXPECT_EQ(f.loader.requests.size(), static_cast<std::size_t>(loaded));
}

TEST(ThumbnailViewLoadingTest, HitTestingHoldsFarDownALargeCollection) {
  // Tall rows (the creation layout's two rows of a 600-pixel view) reach
  // far down with few pictures.
  ViewFixture f(kWidth, 600);
  f.Show(SamplePictures(360));
  SendMessageA(f.view.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  UpdateWindow(f.view.Handle());
  // Far enough that the rows above take more than 32767 pixels.
  ASSERT_GT(f.view.Scroller()->Position() * f.view.Scroller()->LineSize(), 32767);
  f.Click(WM_LBUTTONDOWN, 358);
  EXPECT_EQ(f.view.GetSelection(), 358);
  EXPECT_TRUE(f.view.Cell(358)->IsLoaded());
  EXPECT_FALSE(f.view.Cell(180)->IsLoaded());
  // What is painted there are the last cells, the selected one among them.
  Canvas canvas(f.Client().right, f.Client().bottom);
  f.view.Paint(canvas.Dc(), canvas.Rect());
  const POINT face{f.view.CellRect(358).left + 3, f.CentreOf(358).y};
  EXPECT_EQ(canvas.At(face.x, face.y), GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF);
}

}  // namespace
}  // namespace lumi::test
