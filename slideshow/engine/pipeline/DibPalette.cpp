#include "slideshow/engine/pipeline/DibPalette.h"

namespace lumi {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr int kMaxColours = 256;

std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t HeaderSize(const std::uint8_t* dib, std::size_t size) {
  if (dib == nullptr || size < 4) return 0;
  const std::uint32_t header = Read32(dib);
  return header <= size ? header : 0;
}

int BitCount(const std::uint8_t* dib, std::uint32_t header) {
  if (header == kCoreHeaderSize) return Read16(dib + 10);
  if (header >= kInfoHeaderSize) return Read16(dib + 14);
  return 0;
}

}  // namespace

int DibColourCount(const std::uint8_t* dib, std::size_t size) {
  const std::uint32_t header = HeaderSize(dib, size);
  if (header != kCoreHeaderSize && header < kInfoHeaderSize) return 0;
  const int bits = BitCount(dib, header);
  if (header >= kInfoHeaderSize) {
    const std::uint32_t used = Read32(dib + 32);
    if (used != 0) return used > kMaxColours ? kMaxColours : static_cast<int>(used);
    switch (bits) {
      case 1:
        return 2;
      case 4:
        return 16;
      case 8:
        return 256;
      default:
        return 0;
    }
  }
  return bits >= 1 && bits <= 8 ? 1 << bits : 0;
}

std::size_t DibBitsOffset(const std::uint8_t* dib, std::size_t size) {
  const std::uint32_t header = HeaderSize(dib, size);
  if (header == 0) return 0;
  const std::size_t entryBytes = header == kCoreHeaderSize ? 3 : 4;
  const std::size_t offset = header + entryBytes * DibColourCount(dib, size);
  return offset <= size ? offset : 0;
}

std::vector<PaletteColour> DibPalette(const std::uint8_t* dib, std::size_t size) {
  std::vector<PaletteColour> palette;
  if (HeaderSize(dib, size) != kInfoHeaderSize) return palette;
  const int colours = DibColourCount(dib, size);
  if (colours > 0) {
    if (kInfoHeaderSize + 4u * colours > size) return palette;
    palette.resize(colours);
    const std::uint8_t* table = dib + kInfoHeaderSize;
    for (int i = 0; i < colours; ++i) {
      // Table entries are stored blue, green, red, reserved.
      palette[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i]};
    }
  } else if (BitCount(dib, kInfoHeaderSize) == 24) {
    palette.resize(kMaxColours);
    for (int i = 0; i < kMaxColours; ++i) {
      palette[i] = {static_cast<std::uint8_t>(32 * (i % 8)),
                    static_cast<std::uint8_t>(32 * ((i / 8) % 8)),
                    static_cast<std::uint8_t>(64 * (i / 64))};
    }
  }
  return palette;
}

}  // namespace lumi
