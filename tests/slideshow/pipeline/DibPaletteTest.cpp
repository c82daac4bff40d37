#include <gtest/gtest.h>

#include <vector>

#include "slideshow/engine/pipeline/DibPalette.h"

namespace lumi {
namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 40-byte header, its colour table (entry i = red i, green 2i, blue 3i)
// and room for a few pixel bytes.
std::vector<std::uint8_t> InfoDib(int bits, std::uint32_t used, int tableEntries) {
  std::vector<std::uint8_t> b(40 + 4 * tableEntries + 16);
  Put32(b, 0, 40);
  Put32(b, 4, 2);
  Put32(b, 8, 2);
  b[12] = 1;
  b[14] = static_cast<std::uint8_t>(bits);
  Put32(b, 32, used);
  for (int i = 0; i < tableEntries; ++i) {
    b[40 + 4 * i] = static_cast<std::uint8_t>(3 * i);
    b[41 + 4 * i] = static_cast<std::uint8_t>(2 * i);
    b[42 + 4 * i] = static_cast<std::uint8_t>(i);
  }
  return b;
}

TEST(DibPalette, ColourTableBecomesThePalette) {
  const struct {
    int bits;
    std::uint32_t used;
    int entries;
  } cases[] = {{8, 0, 256}, {8, 20, 20}, {4, 0, 16}, {1, 0, 2}, {24, 5, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, used " << c.used);
    const std::vector<std::uint8_t> dib = InfoDib(c.bits, c.used, c.entries);
    const std::vector<PaletteColour> palette = DibPalette(dib.data(), dib.size());
    ASSERT_EQ(palette.size(), static_cast<std::size_t>(c.entries));
    for (int i = 0; i < c.entries; ++i) {
      EXPECT_EQ(palette[i],
                (PaletteColour{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i),
                               static_cast<std::uint8_t>(3 * i)}));
    }
    EXPECT_EQ(DibBitsOffset(dib.data(), dib.size()), 40u + 4 * c.entries);
  }
}

TEST(DibPalette, TrueColourWithoutTableGetsAnEvenSpread) {
  const std::vector<std::uint8_t> dib = InfoDib(24, 0, 0);
  const std::vector<PaletteColour> palette = DibPalette(dib.data(), dib.size());
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(palette[0], (PaletteColour{0, 0, 0}));
  EXPECT_EQ(palette[7], (PaletteColour{224, 0, 0}));
  EXPECT_EQ(palette[8], (PaletteColour{0, 32, 0}));
  EXPECT_EQ(palette[63], (PaletteColour{224, 224, 0}));
  EXPECT_EQ(palette[64], (PaletteColour{0, 0, 64}));
  EXPECT_EQ(palette[255], (PaletteColour{224, 224, 192}));
  EXPECT_EQ(DibBitsOffset(dib.data(), dib.size()), 40u);
}

TEST(DibPalette, NoPaletteForOtherDepthsOrHeaders) {
  const std::vector<std::uint8_t> sixteen = InfoDib(16, 0, 0);
  EXPECT_TRUE(DibPalette(sixteen.data(), sixteen.size()).empty());
  EXPECT_EQ(DibBitsOffset(sixteen.data(), sixteen.size()), 40u);

  // A 12-byte header takes 3 bytes per table entry and yields no palette.
  std::vector<std::uint8_t> core(12 + 3 * 16 + 8);
  Put32(core, 0, 12);
  core[8] = 1;
  core[10] = 4;
  EXPECT_TRUE(DibPalette(core.data(), core.size()).empty());
  EXPECT_EQ(DibBitsOffset(core.data(), core.size()), 12u + 3 * 16);
}

TEST(DibPalette, BlocksTooShortForTheirTableAreRefused) {
  std::vector<std::uint8_t> dib = InfoDib(8, 0, 256);
  dib.resize(40 + 4 * 100);
  EXPECT_TRUE(DibPalette(dib.data(), dib.size()).empty());
  EXPECT_EQ(DibBitsOffset(dib.data(), dib.size()), 0u);
  // A used-colour count beyond 256 is capped rather than read past the table.
  std::vector<std::uint8_t> huge = InfoDib(8, 0x7FFFFFFF, 256);
  EXPECT_EQ(DibColourCount(huge.data(), huge.size()), 256);
  EXPECT_EQ(DibPalette(nullptr, 0).size(), 0u);
  const std::uint8_t tiny[2] = {40, 0};
  EXPECT_EQ(DibBitsOffset(tiny, sizeof tiny), 0u);
}

}  // namespace
}  // namespace lumi
