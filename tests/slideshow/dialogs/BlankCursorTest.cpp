#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "slideshow/resources/CursorIds.h"

namespace {

// Draws the cursor onto a context filled with one colour and counts the
// pixels that are no longer that colour.
int PixelsChangedBy(HCURSOR cursor, COLORREF background) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 32;
  info.bmiHeader.biHeight = -32;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, 32, 32};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const std::uint32_t expected =
      (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  int changed = 0;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < 32 * 32; ++i)
    if ((pixels[i] & 0xFFFFFF) != expected) ++changed;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return changed;
}

// The saver's full-screen cursor hides the pointer: drawn anywhere, it leaves
// every pixel as it was.
TEST(BlankCursor, IsThirtyTwoSquareAndLeavesEveryPixelAlone) {
  HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_BLANK_CURSOR));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);

  const COLORREF backgrounds[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(200, 30, 90)};
  for (COLORREF background : backgrounds)
    EXPECT_EQ(PixelsChangedBy(cursor, background), 0) << std::hex << background;
}

}  // namespace
