#pragma once
// Reading back what is on the screen, as 32-bit pixels.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace zebtest {

struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> data;  // 0x00RRGGBB, top row first
  std::uint32_t At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
  // Share of pixels in the rectangle that are exactly the colour.
  double Share(std::uint32_t colour, int x0, int y0, int x1, int y1) const;
};

// Copies a rectangle of the screen (desktop coordinates).
Pixels CaptureScreen(int x, int y, int width, int height);
// Copies a rectangle of a bitmap (e.g. a resource) into 32-bit pixels.
Pixels ReadBitmap(HBITMAP bitmap, int x, int y, int width, int height);

}  // namespace zebtest
