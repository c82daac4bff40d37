#include <gtest/gtest.h>

#include <cstring>

#include "slideshow/engine/imaging/win/ImagingDib.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

TEST(WinDib, BlockIsMovableMemoryHoldingThePackedBitmap) {
  int handle = HandleFor(Solid(47, 5, {1, 2, 3}));
  int width = 0, height = 0, bits = 0;
  HGLOBAL block = ImgGetDib(handle, &width, &height, &bits);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(width, 47);
  EXPECT_EQ(height, 5);
  EXPECT_EQ(bits, 24);
  std::vector<std::uint8_t> packed;
  ASSERT_EQ(ImgGetPackedDib(handle, packed, nullptr, nullptr, nullptr), kImgOk);
  ASSERT_EQ(GlobalSize(block), packed.size());
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);  // handed over unlocked
  const void* bitsPtr = GlobalLock(block);
  ASSERT_NE(bitsPtr, nullptr);
  EXPECT_EQ(std::memcmp(bitsPtr, packed.data(), packed.size()), 0);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(bitsPtr);
  EXPECT_EQ(header->biSize, 40u);
  EXPECT_EQ(header->biSizeImage, 144u * 5);  // rows padded to 4 bytes
  GlobalUnlock(block);
  EXPECT_EQ(ImgFree(handle), kImgOk);
  EXPECT_EQ(ImgGetDib(handle, &width, &height, &bits), nullptr);
}

TEST(WinDib, LockedBlockSurvivesANewerOne) {
  int handle = HandleFor(Solid(8, 8, {1, 2, 3}));
  int w, h, bits;
  HGLOBAL locked = ImgGetDib(handle, &w, &h, &bits);
  ASSERT_NE(locked, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(locked));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(ImgResize(handle, 16, 16), kImgOk);
  HGLOBAL newer = ImgGetDib(handle, &w, &h, &bits);
  ASSERT_NE(newer, nullptr);
  EXPECT_EQ(header->biWidth, 8);  // the locked block is still there and unchanged
  EXPECT_EQ(w, 16);
  GlobalUnlock(locked);
  EXPECT_EQ(ImgFree(handle), kImgOk);
}

// Blocks let go by earlier images are handed out again; each must still be
// exactly the size of its bitmap and hold nothing but it.
TEST(WinDib, BlocksHandedOutAgainFitTheirBitmapExactly) {
  const int widths[] = {900, 300, 901, 640, 2, 1200};
  for (int i = 0; i < 12; ++i) {
    const int width = widths[i % 6];
    int handle = HandleFor(Solid(width, 250, {static_cast<std::uint8_t>(i), 20, 30}));
    int w, h, bits;
    HGLOBAL first = ImgGetDib(handle, &w, &h, &bits);  // as the engine does once it has loaded
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(ImgResize(handle, width / 2 + 1, 125), kImgOk);
    HGLOBAL block = ImgGetDib(handle, &w, &h, &bits);
    ASSERT_NE(block, nullptr);
    std::vector<std::uint8_t> packed;
    ASSERT_EQ(ImgGetPackedDib(handle, packed, nullptr, nullptr, nullptr), kImgOk);
    ASSERT_EQ(GlobalSize(block), packed.size()) << i;
    const void* bitsPtr = GlobalLock(block);
    ASSERT_NE(bitsPtr, nullptr);
    EXPECT_EQ(std::memcmp(bitsPtr, packed.data(), packed.size()), 0) << i;
    GlobalUnlock(block);
    EXPECT_EQ(ImgFree(handle), kImgOk);
  }
}

}  // namespace
}  // namespace lumi::imaging::test
