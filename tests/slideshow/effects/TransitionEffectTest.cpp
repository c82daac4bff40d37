#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

#include "slideshow/effects/TransitionEffect.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/GdiCount.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A picture whose every pixel says where it is, so that a misplaced copy shows.
COLORREF PatternAt(int x, int y) { return RGB(x * 2 % 256, y * 3 % 256, 0x40 + (x + y) % 64); }

class TestPicture {
 public:
  TestPicture(int width, int height) : width_(width), height_(height) {
    std::uint32_t* pixels = nullptr;
    bitmap_ = test::CreateTopDownDib(width, height, &pixels);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const COLORREF c = PatternAt(x, y);
        pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
  }
  ~TestPicture() { DeleteObject(bitmap_); }
  TestPicture(const TestPicture&) = delete;
  TestPicture& operator=(const TestPicture&) = delete;

  EffectPicture At(int left, int top, HPALETTE palette = nullptr) const {
    return EffectPicture{bitmap_, palette, RECT{left, top, left + width_, top + height_}};
  }
  HBITMAP Bitmap() const { return bitmap_; }

 private:
  int width_, height_;
  HBITMAP bitmap_;
};

// Shows what the effect prepared, and draws in rows the way the stepped
// effects do, polling the stop flag between rows.
class ProbeEffect : public CTransitionEffect {
 public:
  using CTransitionEffect::PictureRect;
  using CTransitionEffect::Source;
  using CTransitionEffect::Speed;
  int rowsDrawn = 0;

  int Draw() override {
    for (int y = 0; y < PictureHeight(); ++y) {
      if (StopRequested()) return 0;
      CopyPart(0, y, PictureWidth(), 1);
      ++rowsDrawn;
    }
    return 1;
  }
  // Only the top half, as an effect cut short would leave it.
  void DrawTopHalf() { CopyPart(0, 0, PictureWidth(), PictureHeight() / 2); }
};

// Counts the pixels of r that differ from the picture placed at (left, top).
int PictureMismatches(const test::Canvas& canvas, const RECT& r, int left, int top, int width,
                      int height) {
  int wrong = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas.At(x, y) != PatternAt((x - left) % width, (y - top) % height)) ++wrong;
  return wrong;
}

int ColourMismatches(const test::Canvas& canvas, const RECT& r, COLORREF colour) {
  int wrong = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas.At(x, y) != colour) ++wrong;
  return wrong;
}

TEST(TransitionEffect, BlackensOnlyTheMarginsAndCopiesThePictureExactly) {
  // The display sits inside the context, so drawing outside it shows too.
  test::Canvas canvas(240, 180);
  canvas.Fill(kWhite);
  const RECT display{10, 15, 230, 165};
  TestPicture picture(60, 40);
  CTransitionEffect effect;
  effect.SetSpeed(2);
  ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(90, 70), display, false, nullptr));

  EXPECT_EQ(ColourMismatches(canvas, RECT{10, 15, 90, 165}, kBlack), 0) << "left";
  EXPECT_EQ(ColourMismatches(canvas, RECT{150, 15, 230, 165}, kBlack), 0) << "right";
  EXPECT_EQ(ColourMismatches(canvas, RECT{90, 15, 150, 70}, kBlack), 0) << "above";
  EXPECT_EQ(ColourMismatches(canvas, RECT{90, 110, 150, 165}, kBlack), 0) << "below";
  EXPECT_EQ(ColourMismatches(canvas, RECT{90, 70, 150, 110}, kWhite), 0) << "picture untouched";
  EXPECT_EQ(ColourMismatches(canvas, RECT{0, 0, 240, 15}, kWhite), 0) << "outside the display";
  EXPECT_EQ(ColourMismatches(canvas, RECT{0, 165, 240, 180}, kWhite), 0);
  EXPECT_EQ(ColourMismatches(canvas, RECT{0, 15, 10, 165}, kWhite), 0);
  EXPECT_EQ(ColourMismatches(canvas, RECT{230, 15, 240, 165}, kWhite), 0);

  EXPECT_EQ(effect.Draw(), 1);
  EXPECT_EQ(PictureMismatches(canvas, RECT{90, 70, 150, 110}, 90, 70, 60, 40), 0);
  EXPECT_EQ(ColourMismatches(canvas, RECT{10, 15, 90, 165}, kBlack), 0);
  EXPECT_EQ(ColourMismatches(canvas, RECT{0, 0, 240, 15}, kWhite), 0);
}

TEST(TransitionEffect, FinishCopyCompletesAnUnfinishedTransition) {
  test::Canvas canvas(200, 150);
  canvas.Fill(kWhite);
  TestPicture picture(80, 60);
  ProbeEffect effect;
  effect.SetSpeed(2);
  ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(50, 40), canvas.Rect(), false, nullptr));
  effect.DrawTopHalf();
  EXPECT_EQ(ColourMismatches(canvas, RECT{50, 70, 130, 100}, kWhite), 0);
  effect.FinishCopy();
  EXPECT_EQ(PictureMismatches(canvas, RECT{50, 40, 130, 100}, 50, 40, 80, 60), 0);
  EXPECT_EQ(ColourMismatches(canvas, RECT{0, 0, 50, 150}, kBlack), 0);
}

TEST(TransitionEffect, PictureLargerThanTheDisplayLeavesNoMarginsOutsideIt) {
  // Centred unscaled, a large picture overhangs the display on every side.
  test::Canvas canvas(140, 120);
  canvas.Fill(kWhite);
  TestPicture picture(120, 100);
  CTransitionEffect effect;
  effect.SetSpeed(2);
  ASSERT_TRUE(
      effect.Prepare(canvas.Dc(), picture.At(10, 10), RECT{20, 20, 120, 100}, false, nullptr));
  EXPECT_EQ(ColourMismatches(canvas, canvas.Rect(), kWhite), 0);
}

TEST(TransitionEffect, TilingRepeatsThePictureFromTheDisplayCorner) {
  struct Case {
    RECT display;
    const char* what;
  };
  const Case cases[] = {
      {RECT{0, 0, 640, 480}, "display at the origin"},
      {RECT{20, 10, 660, 490}, "display inside the context"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::Canvas canvas(680, 500);
    canvas.Fill(kWhite);
    TestPicture picture(100, 80);
    ProbeEffect effect;
    effect.SetSpeed(2);
    // The pipeline centred the picture; tiling replaces that by the display.
    ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(290, 210), c.display, true, nullptr));
    EXPECT_EQ(effect.PictureRect().left, c.display.left);
    EXPECT_EQ(effect.PictureRect().bottom, c.display.bottom);
    BITMAP source{};
    GetObjectA(GetCurrentObject(effect.Source(), OBJ_BITMAP), sizeof source, &source);
    EXPECT_EQ(source.bmWidth, 640);
    EXPECT_EQ(source.bmHeight, 480);

    EXPECT_EQ(effect.Draw(), 1);
    EXPECT_EQ(PictureMismatches(canvas, c.display, c.display.left, c.display.top, 100, 80), 0);
    EXPECT_EQ(ColourMismatches(canvas, RECT{c.display.right, 0, 680, 500}, kWhite), 0);
    EXPECT_EQ(ColourMismatches(canvas, RECT{0, c.display.bottom, 680, 500}, kWhite), 0);
  }
}

TEST(TransitionEffect, PictureIsItsOwnSourceWhenNotTiled) {
  struct Case {
    int width, height;
    bool tile;
    const char* what;
  };
  const Case cases[] = {
      {160, 120, true, "already the display's size"},
      {100, 80, false, "tiling off"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::Canvas canvas(160, 120);
    TestPicture picture(c.width, c.height);
    ProbeEffect effect;
    effect.SetSpeed(2);
    const EffectPicture placed = picture.At(0, 0);
    ASSERT_TRUE(effect.Prepare(canvas.Dc(), placed, canvas.Rect(), c.tile, nullptr));
    EXPECT_EQ(GetCurrentObject(effect.Source(), OBJ_BITMAP), picture.Bitmap());
    EXPECT_TRUE(EqualRect(&effect.PictureRect(), &placed.placement));
  }
}

TEST(TransitionEffect, NothingToDrawWithoutAUsableBitmap) {
  test::Canvas canvas(100, 80);
  canvas.Fill(kWhite);
  HBITMAP deleted = CreateCompatibleBitmap(canvas.Dc(), 10, 10);
  DeleteObject(deleted);
  const HBITMAP bitmaps[] = {nullptr, deleted};
  for (HBITMAP bitmap : bitmaps) {
    CTransitionEffect effect;
    effect.SetSpeed(2);
    EXPECT_FALSE(effect.Prepare(canvas.Dc(), EffectPicture{bitmap, nullptr, RECT{20, 20, 40, 40}},
                                canvas.Rect(), true, nullptr));
    EXPECT_EQ(effect.Draw(), 0);
    effect.FinishCopy();
    EXPECT_EQ(ColourMismatches(canvas, canvas.Rect(), kWhite), 0);
  }
}

TEST(TransitionEffect, StopFlagEndsASteppedDrawEarly) {
  test::Canvas canvas(100, 80);
  TestPicture picture(50, 40);
  std::atomic<bool> stop{false};
  {
    ProbeEffect effect;
    effect.SetSpeed(2);
    ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(0, 0), canvas.Rect(), false, &stop));
    EXPECT_EQ(effect.Draw(), 1);
    EXPECT_EQ(effect.rowsDrawn, 40);
  }
  stop = true;
  ProbeEffect effect;
  effect.SetSpeed(2);
  ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(0, 0), canvas.Rect(), false, &stop));
  EXPECT_EQ(effect.Draw(), 0);
  EXPECT_EQ(effect.rowsDrawn, 0);
}

TEST(TransitionEffect, SpeedComesFromTheSettingsUnlessFixed) {
  CSaverSettings& settings = GetSaverSettings();
  const int before = settings.GetEffectSpeed();
  settings.SetEffectSpeed(3);
  test::Canvas canvas(40, 30);
  TestPicture picture(40, 30);
  ProbeEffect fromStore;
  EXPECT_EQ(fromStore.Speed(), CTransitionEffect::kDefaultSpeed);
  fromStore.Prepare(canvas.Dc(), picture.At(0, 0), canvas.Rect(), false, nullptr);
  ProbeEffect fixed;
  fixed.SetSpeed(1);
  fixed.Prepare(canvas.Dc(), picture.At(0, 0), canvas.Rect(), false, nullptr);
  settings.SetEffectSpeed(before);
  EXPECT_EQ(fromStore.Speed(), 3);
  EXPECT_EQ(fixed.Speed(), 1);
}

HPALETTE MakePalette() {
  struct {
    WORD version = 0x300, count = 2;
    PALETTEENTRY entries[2] = {{200, 10, 10, 0}, {10, 10, 200, 0}};
  } logical;
  return CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));
}

// One effect per picture, for hours: each must give back everything it made
// and leave the window's context as it found it, its palette included, since
// the picture deletes its palette once the transition is over.
TEST(TransitionEffect, ManyTransitionsLeaveNoHandlesAndNoPaletteSelected) {
  test::Canvas canvas(320, 240);
  TestPicture picture(70, 50);
  HPALETTE palette = MakePalette();
  const HGDIOBJ paletteBefore = GetCurrentObject(canvas.Dc(), OBJ_PAL);
  const HGDIOBJ bitmapBefore = GetCurrentObject(canvas.Dc(), OBJ_BITMAP);
  const DWORD before = zebtest::LiveGdiObjects();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 100; ++i) {
    CTransitionEffect effect;
    effect.SetSpeed(2);
    ASSERT_TRUE(effect.Prepare(canvas.Dc(), picture.At(i, i / 2, palette), canvas.Rect(),
                               i % 2 == 0, nullptr));
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PAL), palette);
    effect.Draw();
    effect.FinishCopy();
  }
  EXPECT_EQ(zebtest::LiveGdiObjects(), before);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PAL), paletteBefore);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BITMAP), bitmapBefore);
  // The picture's bitmap is free again: it can be selected elsewhere.
  HDC other = CreateCompatibleDC(canvas.Dc());
  const HGDIOBJ old = SelectObject(other, picture.Bitmap());
  EXPECT_NE(old, nullptr);
  SelectObject(other, old);
  DeleteDC(other);
  DeleteObject(palette);
}

}  // namespace
}  // namespace lumi
