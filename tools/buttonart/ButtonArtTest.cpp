#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "ButtonArt.h"

namespace buttonart {
namespace {

unsigned Read32(const std::vector<std::uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<unsigned>(b[at + 3]) << 24;
}

TEST(ButtonArt, FilesAreSixteenColourBitmapsThatReadBackPixelForPixel) {
  for (const NamedPicture& p : DrawAll()) {
    const std::vector<std::uint8_t> bmp = EncodeBmp4(p.picture);
    ASSERT_EQ(bmp.size(), 14u + 40 + 64 + 128) << p.file;
    EXPECT_EQ(Read32(bmp, 2), bmp.size());
    EXPECT_EQ(Read32(bmp, 10), 14u + 40 + 64) << "pixels follow the colour table";
    EXPECT_EQ(Read32(bmp, 18), 16u);
    EXPECT_EQ(Read32(bmp, 22), 16u) << "bottom-up rows";
    EXPECT_EQ(bmp[28], 4) << "4 bits a pixel";
    // Silver, entry 7 of the table, as blue, green, red.
    EXPECT_EQ(bmp[54 + 7 * 4], 192);
    // The last row in the file is the picture's top row; high nibble first.
    const size_t top = 14 + 40 + 64 + 15 * 8;
    EXPECT_EQ(bmp[top] >> 4, p.picture.pixels[0][0]);
    EXPECT_EQ(bmp[top + 7] & 0x0F, p.picture.pixels[0][15]);
  }
}

TEST(ButtonArt, EachPictureIsDistinctAndFillsItsSquare) {
  std::set<std::string> seen;
  for (const NamedPicture& p : DrawAll()) {
    std::set<int> colours;
    int drawn = 0;
    for (const auto& row : p.picture.pixels)
      for (std::uint8_t c : row) {
        colours.insert(c);
        drawn += c != kSilver;
      }
    EXPECT_GE(colours.size(), 4u) << p.file << " should read at a glance, not be a flat blob";
    EXPECT_GT(drawn, 16 * 16 / 2) << p.file;
    std::string bytes(reinterpret_cast<const char*>(p.picture.pixels), sizeof p.picture.pixels);
    EXPECT_TRUE(seen.insert(bytes).second) << p.file << " repeats another picture";
  }
  EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace buttonart
