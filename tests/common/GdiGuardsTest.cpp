// The guards give back what they took, in the order Windows needs. Selections
// are checked with GetCurrentObject: Wine reports success when a selected
// object is deleted, so DeleteObject's result would prove nothing.
#include <gtest/gtest.h>

#include <utility>

#include "common/GdiGuards.h"

namespace {

HBITMAP SmallBitmap() {
  zeb::WindowDcGuard screen(nullptr);
  return CreateCompatibleBitmap(screen.Get(), 8, 8);
}

// A memory DC the test owns, so it can look at it after a guard ended.
struct TestDc {
  TestDc() : dc(CreateCompatibleDC(nullptr)) {}
  ~TestDc() { DeleteDC(dc); }
  HDC dc;
};

TEST(GdiGuardsTest, SelectionGuardsPutThePreviousObjectBack) {
  TestDc t;
  const HGDIOBJ brush = GetCurrentObject(t.dc, OBJ_BRUSH);
  const HGDIOBJ font = GetCurrentObject(t.dc, OBJ_FONT);
  const HGDIOBJ palette = GetCurrentObject(t.dc, OBJ_PAL);
  {
    zeb::GdiObjectGuard red(CreateSolidBrush(RGB(255, 0, 0)));
    zeb::SelectionGuard selectBrush(t.dc, red.Get());
    zeb::SelectionGuard selectFont(t.dc, GetStockObject(ANSI_FIXED_FONT));
    LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
    zeb::GdiObjectGuard ownPalette(CreatePalette(&lp));
    zeb::PaletteGuard selectPalette(t.dc, static_cast<HPALETTE>(ownPalette.Get()), true);
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BRUSH), red.Get());
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_FONT), GetStockObject(ANSI_FIXED_FONT));
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PAL), ownPalette.Get());
  }
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PAL), palette);
}

TEST(GdiGuardsTest, MemoryDcPutsItsOriginalsBackBeforeItIsDeleted) {
  zeb::GdiObjectGuard bitmap(SmallBitmap());
  zeb::GdiObjectGuard pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
  zeb::MemoryDcGuard memory(nullptr);
  ASSERT_TRUE(memory);
  const HGDIOBJ originalBitmap = GetCurrentObject(memory.Get(), OBJ_BITMAP);
  const HGDIOBJ originalPen = GetCurrentObject(memory.Get(), OBJ_PEN);
  ASSERT_TRUE(memory.Select(bitmap.Get()));
  ASSERT_TRUE(memory.Select(pen.Get()));
  // A second selection of the same kind must not forget the first original.
  ASSERT_TRUE(memory.Select(GetStockObject(BLACK_PEN)));
  EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BITMAP), bitmap.Get());

  memory.RestoreSelections();
  EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BITMAP), originalBitmap);
  EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originalPen);
  // Deselected, the bitmap can go into another context.
  TestDc other;
  EXPECT_NE(SelectObject(other.dc, bitmap.Get()), nullptr);
  SelectObject(other.dc, originalBitmap);
}

TEST(GdiGuardsTest, MemoryDcRefusesWhatCannotBeSelectedThatWay) {
  zeb::MemoryDcGuard memory(nullptr);
  EXPECT_FALSE(memory.Select(nullptr));
  LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
  zeb::GdiObjectGuard palette(CreatePalette(&lp));
  EXPECT_FALSE(memory.Select(palette.Get()));  // palettes go through PaletteGuard
  zeb::MemoryDcGuard empty;
  EXPECT_FALSE(empty.Select(GetStockObject(BLACK_PEN)));
}

TEST(GdiGuardsTest, OwnersDeleteOnceAndMovesHandOwnershipOver) {
  HGDIOBJ raw = CreateSolidBrush(RGB(1, 2, 3));
  {
    zeb::GdiObjectGuard first(raw);
    zeb::GdiObjectGuard second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Get(), raw);
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(raw), 0u);

  HGDIOBJ kept = CreateSolidBrush(RGB(4, 5, 6));
  {
    zeb::GdiObjectGuard guard(kept);
    EXPECT_EQ(guard.Release(), kept);
  }
  EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
  DeleteObject(kept);

  HDC dc = nullptr;
  {
    zeb::MemoryDcGuard first(nullptr);
    dc = first.Get();
    zeb::MemoryDcGuard second;
    second = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  }
  EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(GdiGuardsTest, SavedStateComesBackAfterTheStep) {
  TestDc t;
  SetTextColor(t.dc, RGB(1, 1, 1));
  const HGDIOBJ brush = GetCurrentObject(t.dc, OBJ_BRUSH);
  {
    zeb::DcStateGuard state(t.dc);
    SetTextColor(t.dc, RGB(200, 100, 50));
    SelectObject(t.dc, GetStockObject(GRAY_BRUSH));
  }
  EXPECT_EQ(GetTextColor(t.dc), RGB(1, 1, 1));
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BRUSH), brush);
}

// A guard kept across pictures can outlive the palette it found selected;
// putting back a deleted palette fails and would leave the guarded palette
// selected for its owner to delete.
TEST(GdiGuardsTest, PaletteGuardPutsTheStockPaletteBackWhenThePreviousOneWent) {
  TestDc t;
  LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
  HPALETTE earlier = CreatePalette(&lp);
  SelectPalette(t.dc, earlier, FALSE);
  zeb::OwnedPalette current(CreatePalette(&lp));
  {
    zeb::PaletteGuard selected(t.dc, current.Get(), false);
    ASSERT_EQ(GetCurrentObject(t.dc, OBJ_PAL), current.Get());
    DeleteObject(earlier);
  }
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));

  // A previous palette that is still there comes back as it was.
  zeb::OwnedPalette kept(CreatePalette(&lp));
  SelectPalette(t.dc, kept.Get(), FALSE);
  { zeb::PaletteGuard selected(t.dc, current.Get(), false); }
  EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PAL), kept.Get());
  SelectPalette(t.dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
}

zeb::OwnedBitmap PaintedBitmap(COLORREF colour) {
  zeb::OwnedBitmap bitmap(SmallBitmap());
  zeb::MemoryDcGuard memory(nullptr);
  if (!memory.Select(bitmap.Get())) return {};
  SetPixel(memory.Get(), 0, 0, colour);
  return bitmap;
}

TEST(GdiGuardsTest, TypedOwnersHandTheirObjectOnAndKeepWhatTheyAlreadyHold) {
  // Made and drawn in a function, the bitmap reaches the caller alive and
  // no longer selected into the context it was drawn in.
  zeb::OwnedBitmap made = PaintedBitmap(RGB(255, 255, 255));
  ASSERT_TRUE(made);
  EXPECT_EQ(GetObjectType(made.Get()), static_cast<DWORD>(OBJ_BITMAP));
  {
    zeb::MemoryDcGuard other(nullptr);
    EXPECT_TRUE(other.Select(made.Get()));
    EXPECT_NE(GetPixel(other.Get(), 0, 0), RGB(0, 0, 0));
  }

  // Taking the handle already held must not delete it.
  const HBITMAP raw = made.Get();
  made.Reset(raw);
  EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BITMAP));

  zeb::OwnedFont font(CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, "Arial"));
  const HFONT first = font.Get();
  font = zeb::OwnedFont(CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH, "Arial"));
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(font.Get()), static_cast<DWORD>(OBJ_FONT));

  made.Reset();
  EXPECT_EQ(GetObjectType(raw), 0u);
}

}  // namespace
