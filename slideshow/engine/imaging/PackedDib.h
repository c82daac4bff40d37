#pragma once

#include <cstdint>
#include <vector>

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging {

// The image as a Windows packed bitmap: a 40-byte info header, the colour
// table (blue, green, red, 0), then bottom-up rows padded to 4 bytes, in the
// depth Image::BitsPerPixel gives. It is written into memory the caller
// provides, PackedDibSize bytes of it, whatever that held before (row padding
// is written as 0 too), so that the caller can keep one block for picture
// after picture.
std::size_t PackedDibSize(const Image& image);
void WritePackedDib(const Image& image, std::uint8_t* out);

// A bitmap file: the 14-byte file header in front of the packed bitmap.
std::vector<std::uint8_t> MakeBitmapFile(const Image& image);

}  // namespace lumi::imaging
