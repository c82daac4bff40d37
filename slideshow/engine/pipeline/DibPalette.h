#pragma once
// The colours a packed device-independent bitmap asks the display for, read
// from its header and colour table. Free of the platform; the device bitmap
// code turns the entries into a logical palette.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumi {

struct PaletteColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

// Colour-table entries the header announces: the used-colour count of a
// 40-byte header when set, else 2, 16 or 256 for 1, 4 and 8 bits, else 0.
// Any other header announces 2 to the bit depth up to 8 bits. Capped at 256.
int DibColourCount(const std::uint8_t* dib, std::size_t size);

// Where the pixels start: after the header and the colour table, whose
// entries take 3 bytes after a 12-byte header and 4 after any other. 0 when
// the block is too short to hold them.
std::size_t DibBitsOffset(const std::uint8_t* dib, std::size_t size);

// The palette to realise before making the device bitmap. Only a 40-byte
// header yields one: its colour table, or for a 24-bit picture without one an
// even spread of 256 colours (8 reds, 8 greens, 4 blues). Empty for none, and
// for a block too short for the table it announces.
std::vector<PaletteColour> DibPalette(const std::uint8_t* dib, std::size_t size);

}  // namespace lumi
