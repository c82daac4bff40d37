#include "slideshow/engine/imaging/Orientation.h"

#include <cstring>

namespace lumi::imaging {

void Orient(const std::uint8_t* rgb, int width, int height, int orientation, std::uint8_t* out) {
  if (orientation < 1 || orientation > 8) orientation = 1;
  const std::size_t srcRow = static_cast<std::size_t>(width) * 3;
  if (orientation == 1) {
    std::memcpy(out, rgb, srcRow * height);
    return;
  }
  const bool swaps = orientation >= 5;
  const int outWidth = swaps ? height : width, outHeight = swaps ? width : height;
  std::uint8_t* d = out;
  for (int y = 0; y < outHeight; ++y) {
    for (int x = 0; x < outWidth; ++x, d += 3) {
      int sx = x, sy = y;
      switch (orientation) {
        case 2:
          sx = width - 1 - x;
          break;
        case 3:
          sx = width - 1 - x;
          sy = height - 1 - y;
          break;
        case 4:
          sy = height - 1 - y;
          break;
        case 5:
          sx = y;
          sy = x;
          break;
        case 6:
          sx = y;
          sy = height - 1 - x;
          break;
        case 7:
          sx = width - 1 - y;
          sy = height - 1 - x;
          break;
        case 8:
          sx = width - 1 - y;
          sy = x;
          break;
        default:
          break;
      }
      const std::uint8_t* s = rgb + srcRow * sy + static_cast<std::size_t>(sx) * 3;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}

}  // namespace lumi::imaging
