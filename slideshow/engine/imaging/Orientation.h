#pragma once

#include <cstdint>

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging {

// Turns top-down RGB pixels as stored by the camera into the upright picture
// for an Exif orientation (1 to 8; others are taken as 1). Orientations 5 to
// 8 swap width and height. `out` receives width x height x 3 bytes, top-down
// rows of the upright picture.
void Orient(const std::uint8_t* rgb, int width, int height, int orientation, std::uint8_t* out);

}  // namespace lumi::imaging
