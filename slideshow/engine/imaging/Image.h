#pragma once

#include <cstdint>
#include <vector>

namespace lumi::imaging {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One picture: rows top-down, tightly packed. Without a palette each pixel is
// three bytes in red, green, blue order; with one each pixel is one index
// into it.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  std::vector<Rgb> palette;

  bool HasPalette() const { return !palette.empty(); }
  int BytesPerPixel() const { return HasPalette() ? 1 : 3; }
  std::size_t RowBytes() const { return static_cast<std::size_t>(width) * BytesPerPixel(); }
  // Depth of the bitmap handed out: 16 colours or fewer fit 4 bits, which is
  // what a 16-colour display wants and what the pipeline leaves alone.
  int BitsPerPixel() const { return !HasPalette() ? 24 : (palette.size() <= 16 ? 4 : 8); }
  std::uint8_t* Row(int y) { return pixels.data() + RowBytes() * y; }
  const std::uint8_t* Row(int y) const { return pixels.data() + RowBytes() * y; }
  Rgb At(int x, int y) const;
};

// Sizes this library is willing to hold; anything else is refused before any
// allocation.
bool AcceptableSize(std::int64_t width, std::int64_t height);

// A 24-bit copy of a palette image (or a plain copy of a 24-bit one).
Image ToRgb(const Image& image);

// Pixel memory for a new picture: `size` bytes whose contents are left to the
// caller to overwrite. The memory of pictures let go through GiveBackPixels is
// used again first, so that a slideshow turning picture after picture does not
// have the system find, map and clear megabytes of fresh memory each time.
// Throws std::bad_alloc like any allocation.
std::vector<std::uint8_t> TakePixels(std::size_t size);
void GiveBackPixels(std::vector<std::uint8_t>&& pixels) noexcept;

}  // namespace lumi::imaging
