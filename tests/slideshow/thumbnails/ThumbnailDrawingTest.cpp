// What the thumbnail view draws, read back from a memory bitmap: the cells'
// frames, a removed picture crossed out, a thumbnail that would not decode,
// the shared palette, and a picture of the whole view to look at.
#include <gtest/gtest.h>
#include <windows.h>

#include "slideshow/engine/pipeline/SharedPalette.h"
#include "slideshow/viewer/thumbnails/Frame3d.h"
#include "slideshow/viewer/thumbnails/ThumbnailCell.h"
#include "tests/slideshow/thumbnails/ThumbnailFixture.h"
#include "tests/support/Process.h"

namespace lumi::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The colour GDI gives a system colour on a 32-bit bitmap.
COLORREF Sys(int index) { return GetSysColor(index) & 0xFFFFFF; }

// The view painted into a bitmap of its client size.
void PaintView(ViewFixture& f, Canvas& canvas) {
  canvas.Fill(RGB(1, 2, 3));
  f.view.Paint(canvas.Dc(), canvas.Rect());
}

TEST(Frame3dTest, EdgesTakeTheirColoursAndLengths) {
  const COLORREF shadow = Sys(COLOR_BTNSHADOW), light = Sys(COLOR_BTNHIGHLIGHT);
  const COLORREF untouched = RGB(9, 9, 9);
  for (const bool sunken : {true, false}) {
    Canvas canvas(20, 12);
    canvas.Fill(untouched);
    DrawFrame3d(canvas.Dc(), RECT{2, 2, 12, 10}, sunken);
    const COLORREF topLeft = sunken ? shadow : light, bottomRight = sunken ? light : shadow;
    EXPECT_EQ(canvas.At(2, 2), topLeft) << sunken;
    EXPECT_EQ(canvas.At(10, 2), topLeft) << sunken;      // top edge
    EXPECT_EQ(canvas.At(2, 8), topLeft) << sunken;       // left edge, above the bottom row
    EXPECT_EQ(canvas.At(11, 2), bottomRight) << sunken;  // right edge, full height
    EXPECT_EQ(canvas.At(11, 9), bottomRight) << sunken;
    EXPECT_EQ(canvas.At(3, 9), bottomRight) << sunken;  // bottom edge
    EXPECT_EQ(canvas.At(2, 9), untouched) << sunken;    // the corner neither edge takes
    EXPECT_EQ(canvas.At(5, 5), untouched) << sunken;    // the inside
    EXPECT_EQ(canvas.At(12, 5), untouched) << sunken;   // right of the rectangle
  }
}

TEST(ThumbnailDrawingTest, CellsShowFramesTitlesAndTheSelection) {
  ViewFixture f(316, 200);
  f.Show(SamplePictures(4), 1);
  Canvas canvas(f.Client().right, f.Client().bottom);
  PaintView(f, canvas);

  const RECT plain = f.view.CellRect(0), chosen = f.view.CellRect(1);
  // The black outline leaves the corner pixels to the background.
  EXPECT_EQ(canvas.At(plain.left + 1, plain.top), kBlack);
  EXPECT_EQ(canvas.At(plain.left, plain.top + 1), kBlack);
  EXPECT_EQ(canvas.At(plain.right - 1, plain.bottom - 2), kBlack);
  EXPECT_EQ(canvas.At(plain.left, plain.top), Sys(COLOR_BTNFACE));
  // Inside it, raised when not selected and pressed when selected.
  EXPECT_EQ(canvas.At(plain.left + 1, plain.top + 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(chosen.left + 1, chosen.top + 1), Sys(COLOR_BTNSHADOW));
  // The face: button face, or the highlight colour for the selected cell.
  EXPECT_EQ(canvas.At(plain.left + 4, plain.top + 4), Sys(COLOR_BTNFACE));
  EXPECT_EQ(canvas.At(chosen.left + 3, chosen.top + 3), Sys(COLOR_HIGHLIGHT));
  // The gap between cells is the view's background.
  EXPECT_EQ(canvas.At(plain.right + 3, plain.top + 20), Sys(COLOR_BTNFACE));

  // The thumbnail sits in its box, not in the cell's face colour; the title
  // below it leaves some pixels in the text colour's family.
  f.view.Select(0);
  PaintView(f, canvas);
  const RECT box = f.view.Cell(0)->ImageBox();
  int picturePixels = 0;
  for (int x = box.left + 4; x < box.right - 4; ++x) {
    picturePixels += canvas.At(x, (box.top + box.bottom) / 2) != Sys(COLOR_HIGHLIGHT) ? 1 : 0;
  }
  EXPECT_GT(picturePixels, 50);
  int titlePixels = 0;
  for (int y = box.bottom + 3; y < plain.bottom - 3; ++y) {
    for (int x = plain.left + 8; x < plain.right - 8; ++x) {
      titlePixels += canvas.At(x, y) != Sys(COLOR_HIGHLIGHT) ? 1 : 0;
    }
  }
  EXPECT_GT(titlePixels, 10);
}

TEST(ThumbnailDrawingTest, UprightThumbnailStaysInsideItsBox) {
  ViewFixture f(316, 200);
  std::vector<TestPicture> pictures = SamplePictures(1);
  pictures[0].thumb = "Pic05.thu";  // 70 x 93: taller than the box
  f.Show(pictures);
  f.view.Select(0);
  ASSERT_TRUE(f.view.Cell(0)->IsLoaded());
  Canvas canvas(f.Client().right, f.Client().bottom);
  PaintView(f, canvas);
  const RECT box = f.view.Cell(0)->ImageBox(), cell = f.view.Cell(0)->Rect();
  const int x = (box.left + box.right) / 2 + 1;
  // The highlight face between the box and the title, and below the cell
  // the view's background.
  EXPECT_EQ(canvas.At(x, box.bottom + 2), Sys(COLOR_HIGHLIGHT));
  for (int y = cell.bottom; y < cell.bottom + 8; ++y) {
    EXPECT_EQ(canvas.At(x, y), Sys(COLOR_BTNFACE)) << y;
  }
  EXPECT_NE(canvas.At(x, (box.top + box.bottom) / 2), Sys(COLOR_HIGHLIGHT));
}

TEST(ThumbnailDrawingTest, RemovedPictureIsCrossedOutInRedYetSelectable) {
  ViewFixture f(316, 200);
  std::vector<TestPicture> pictures = SamplePictures(3);
  pictures[1].removed = true;
  f.Show(pictures);
  ASSERT_TRUE(f.view.Cell(1)->IsRemoved());
  ASSERT_TRUE(f.view.Cell(1)->IsLoaded());
  Canvas canvas(f.Client().right, f.Client().bottom);
  PaintView(f, canvas);

  RECT cross = f.view.Cell(1)->ImageBox();
  InflateRect(&cross, 2, 2);
  const int w = cross.right - cross.left, h = cross.bottom - cross.top;
  for (const double t : {0.2, 0.5, 0.8}) {
    const int x = cross.left + static_cast<int>(w * t), dy = static_cast<int>(h * t);
    EXPECT_EQ(canvas.At(x, cross.top + dy), kRed) << t;
    EXPECT_EQ(canvas.At(x, cross.bottom - dy), kRed) << t;
  }
  const RECT kept = f.view.Cell(0)->ImageBox();
  EXPECT_NE(canvas.At((kept.left + kept.right) / 2, (kept.top + kept.bottom) / 2), kRed);

  f.Click(WM_LBUTTONDOWN, 1);
  EXPECT_EQ(f.view.GetSelection(), 1);
  EXPECT_EQ(f.parent.selections, std::vector<int>{1});
}

TEST(ThumbnailDrawingTest, ThumbnailThatDoesNotDecodeLeavesACrossedBox) {
  ViewFixture f(316, 200);
  std::vector<TestPicture> pictures = SamplePictures(3);
  pictures[1].thumb = "Missing.thu";
  pictures[2].thumb = "ReadMe.txt";  // there, but no picture
  f.Show(pictures);
  EXPECT_TRUE(f.view.Cell(0)->IsLoaded());
  Canvas canvas(f.Client().right, f.Client().bottom);
  for (const int index : {1, 2}) {
    EXPECT_FALSE(f.view.Cell(index)->IsLoaded()) << index;
    PaintView(f, canvas);
    RECT box = f.view.Cell(index)->ImageBox();
    InflateRect(&box, -3, -3);
    // A hollow box with both diagonals and nothing else of the cell.
    EXPECT_EQ(canvas.At(box.left, box.top + 5), kBlack) << index;
    EXPECT_EQ(canvas.At((box.left + box.right) / 2, (box.top + box.bottom) / 2), kBlack) << index;
    EXPECT_EQ(canvas.At(box.left + 10, box.top + 2), Sys(COLOR_BTNFACE)) << index;
    const RECT cell = f.view.CellRect(index);
    EXPECT_EQ(canvas.At(cell.left + 1, cell.top), Sys(COLOR_BTNFACE)) << index;
  }
  // Still a picture of the collection: it can be chosen.
  f.Click(WM_LBUTTONDOWN, 1);
  EXPECT_EQ(f.view.GetSelection(), 1);
}

TEST(SharedPaletteTest, HoldsTheColourCubeAndGreysOnce) {
  HPALETTE palette = GetSharedPalette();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(GetSharedPalette(), palette);
  PALETTEENTRY entries[256] = {};
  ASSERT_EQ(GetPaletteEntries(palette, 0, 256, entries), static_cast<UINT>(kSharedPaletteColours));
  for (int i = 0; i < kSharedPaletteColours; ++i) EXPECT_EQ(entries[i].peFlags, PC_NOCOLLAPSE) << i;
  auto rgb = [&](int i) { return RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue); };
  EXPECT_EQ(rgb(0), RGB(0, 0, 0));
  EXPECT_EQ(rgb(1), RGB(0, 0, 51));
  EXPECT_EQ(rgb(6), RGB(0, 51, 0));
  EXPECT_EQ(rgb(36), RGB(51, 0, 0));
  EXPECT_EQ(rgb(215), RGB(255, 255, 255));
  for (int i = 216; i < kSharedPaletteColours; ++i) {
    EXPECT_TRUE(IsGrey(rgb(i))) << i;
    EXPECT_NE(entries[i].peRed % 51, 0) << i;  // none repeats a grey of the cube
  }

  // A module without the resource gives no palette.
  EXPECT_EQ(CreateSharedPaletteFrom(GetModuleHandleA("kernel32.dll")), nullptr);
}

// Not a check: leaves pictures of the view with the sample thumbnails in the
// build folder, to be looked at.
TEST(ThumbnailPictureTest, SampleCollectionAsTheViewerShowsIt) {
  std::vector<TestPicture> pictures = SamplePictures(12);
  const char* titles[] = {"Alpine Dawn",        "Sunset over the Sea",
                          "Autumn Forest Path", "City Lights at Night",
                          "A Field of Poppies", "Northern Lights over a very long frozen lake"};
  for (int i = 0; i < 6; ++i) pictures[static_cast<std::size_t>(i)].title = titles[i];
  pictures[4].removed = true;
  pictures[7].thumb = "Missing.thu";

  ViewFixture f(311, 195);  // the viewer's thumbnail area
  f.Show(pictures, 1);
  SetFocus(f.view.Handle());
  Canvas small(f.Client().right, f.Client().bottom);
  PaintView(f, small);
  EXPECT_TRUE(
      SaveBitmapFile(small, zebtest::WindowsPath(THUMBNAIL_PICTURE_DIR) + "\\thumbnail-view.bmp"));

  SetWindowPos(f.view.Handle(), nullptr, 0, 0, 311, 400, SWP_NOMOVE | SWP_NOZORDER);
  f.parent.Pump();
  Canvas tall(f.Client().right, f.Client().bottom);
  PaintView(f, tall);
  EXPECT_TRUE(SaveBitmapFile(
      tall, zebtest::WindowsPath(THUMBNAIL_PICTURE_DIR) + "\\thumbnail-view-resized.bmp"));
}

}  // namespace
}  // namespace lumi::test
