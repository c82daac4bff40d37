#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Palette.h"

namespace artgen {

// A palette picture, rows top-down in memory; the file writer turns them
// bottom-up as Windows bitmaps store them.
struct IndexedImage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  uint8_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A mask: true where the background shows (stored as bit 1, colour white).
struct MaskImage {
  int width = 0, height = 0;
  std::vector<bool> background;
  bool At(int x, int y) const { return background[static_cast<size_t>(y) * width + x]; }
};

struct IconImage {
  int size = 0;
  std::vector<uint8_t> bgra;  // size * size * 4, rows top-down
};

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image, const PaletteTable& palette);
std::vector<uint8_t> EncodeBmp1(const MaskImage& mask);
std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images);

// What a reader of our bitmaps sees; used to check the files we write.
struct DecodedBmp {
  int width = 0, height = 0, bitsPerPixel = 0;
  uint32_t compression = 0, colorsUsed = 0;
  std::vector<Rgb8> colorTable;
  std::vector<uint8_t> indices;  // top-down, one entry per pixel
};
std::optional<DecodedBmp> DecodeBmp(const std::vector<uint8_t>& file, std::string& error);

}  // namespace artgen
