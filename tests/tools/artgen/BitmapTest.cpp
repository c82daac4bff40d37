#include <gtest/gtest.h>

#include "Bitmap.h"

namespace artgen {
namespace {

IndexedImage Pattern(int w, int h) {
  IndexedImage img{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.At(x, y) = static_cast<uint8_t>((x * 7 + y * 31) & 255);
  return img;
}

TEST(BitmapTest, EightBitPicturesReadBackWithPaddedRows) {
  for (int w : {1, 2, 3, 4, 5, 15, 211, 225}) {
    SCOPED_TRACE(w);
    IndexedImage img = Pattern(w, 3);
    std::vector<uint8_t> file = EncodeBmp8(img, ScenePalette());
    int stride = (w + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 14u + 40 + 1024 + static_cast<size_t>(stride) * 3);
    std::string error;
    auto bmp = DecodeBmp(file, error);
    ASSERT_TRUE(bmp) << error;
    EXPECT_EQ(bmp->width, w);
    EXPECT_EQ(bmp->height, 3);
    EXPECT_EQ(bmp->bitsPerPixel, 8);
    EXPECT_EQ(bmp->compression, 0u);
    EXPECT_EQ(bmp->colorsUsed, 256u);
    EXPECT_EQ(bmp->indices, img.pixels);
    // Rows are stored bottom-up: the first stored row is the picture's last.
    EXPECT_EQ(file[14 + 40 + 1024], img.At(0, 2));
  }
}

TEST(BitmapTest, MasksStoreBackgroundAsWhiteBitOne) {
  for (int w : {1, 7, 8, 9, 33, 61}) {
    SCOPED_TRACE(w);
    MaskImage m{w, 2, std::vector<bool>(static_cast<size_t>(w) * 2)};
    for (int i = 0; i < w * 2; ++i) m.background[i] = (i % 3) == 0;
    std::string error;
    auto bmp = DecodeBmp(EncodeBmp1(m), error);
    ASSERT_TRUE(bmp) << error;
    EXPECT_EQ(bmp->bitsPerPixel, 1);
    ASSERT_EQ(bmp->colorTable.size(), 2u);
    EXPECT_EQ(bmp->colorTable[0].r + bmp->colorTable[0].g + bmp->colorTable[0].b, 0);
    EXPECT_EQ(bmp->colorTable[1].r & bmp->colorTable[1].g & bmp->colorTable[1].b, 255);
    for (int i = 0; i < w * 2; ++i) EXPECT_EQ(bmp->indices[i], m.background[i] ? 1 : 0) << i;
  }
}

TEST(BitmapTest, DecoderRefusesDamagedFiles) {
  std::vector<uint8_t> good = EncodeBmp8(Pattern(5, 4), ScenePalette());
  std::vector<std::vector<uint8_t>> bad = {
      {},
      {good.begin(), good.begin() + 40},
      {good.begin(), good.end() - 1},
  };
  std::vector<uint8_t> wrongMagic = good;
  wrongMagic[0] = 'X';
  bad.push_back(wrongMagic);
  for (size_t i = 0; i < bad.size(); ++i) {
    std::string error;
    EXPECT_FALSE(DecodeBmp(bad[i], error)) << i;
    EXPECT_FALSE(error.empty()) << i;
  }
}

TEST(BitmapTest, IconDirectoryPointsAtEachImageAndMasksTransparentPixels) {
  IconImage big{32, std::vector<uint8_t>(32 * 32 * 4, 0)},
      small{16, std::vector<uint8_t>(16 * 16 * 4, 0)};
  big.bgra[3] = 255;  // top-left pixel opaque
  std::vector<uint8_t> ico = EncodeIco({big, small});
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(ico[at] | ico[at + 1] << 8 | ico[at + 2] << 16 |
                                 ico[at + 3] << 24);
  };
  ASSERT_EQ(ico[2], 1);
  ASSERT_EQ(ico[4], 2);
  uint32_t sizes[2] = {32, 16};
  size_t end = 6 + 32;
  for (int i = 0; i < 2; ++i) {
    size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico[entry], sizes[i]);
    EXPECT_EQ(u32(entry + 12), end) << "images follow each other";
    uint32_t s = sizes[i];
    EXPECT_EQ(u32(entry + 8), 40 + s * s * 4 + (s + 31) / 32 * 4 * s);
    EXPECT_EQ(u32(end + 8), 2 * s) << "DIB height counts colour and mask rows";
    end += u32(entry + 8);
  }
  EXPECT_EQ(end, ico.size());
  // The 32 x 32 AND mask's last stored row is the top row: only pixel 0 is opaque.
  size_t maskTop = 6 + 32 + 40 + 32 * 32 * 4 + 4 * 31;
  EXPECT_EQ(ico[maskTop], 0x7f);
  EXPECT_EQ(ico[maskTop + 1], 0xff);
}

}  // namespace
}  // namespace artgen
