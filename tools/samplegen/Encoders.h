#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Image.h"

namespace samplegen {

using Bytes = std::vector<std::uint8_t>;

// Baseline JPEG (the engine's decoder and every viewer read it).
Bytes EncodeJpeg(const Image& image, int quality);

// Windows bitmap files with a 40-byte information header, rows bottom-up and
// padded to four bytes, as the platform's bitmap loaders expect.
Bytes EncodeBmp24(const Image& image);

struct IndexedImage {
  int width = 0, height = 0;
  std::vector<std::array<std::uint8_t, 3>> palette;  // at most 256 entries
  std::vector<std::uint8_t> indices;                 // rows top to bottom
};
// Always writes a full 256-entry colour table (unused entries black).
Bytes EncodeBmp8(const IndexedImage& image);

}  // namespace samplegen
