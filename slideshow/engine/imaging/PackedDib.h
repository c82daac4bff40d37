#pragma once

#include <cstdint>
#include <vector>

#include "imaging/Image.h"

namespace lumi::imaging {

// The image as a Windows packed bitmap: a 40-byte info header, the colour
// table (blue, green, red, 0), then bottom-up rows padded to 4 bytes, in the
// depth Image::BitsPerPixel gives.
std::vector<std::uint8_t> MakePackedDib(const Image& image);

// A bitmap file: the 14-byte file header in front of the packed bitmap.
std::vector<std::uint8_t> MakeBitmapFile(const Image& image);

}  // namespace lumi::imaging
