#pragma once

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging {

// Filtered resampling of a 24-bit image: a Mitchell filter when shrinking
// (fine detail averages out instead of aliasing), Catmull-Rom when enlarging;
// shrinks by 4 or more first average whole blocks of pixels. Made in bands,
// with progress reported and a stop honoured between them.
// kImgErrUseResize for palette images, whose indices cannot be filtered.
int ResampleSmooth(const Image& source, int width, int height, Image& out);

// Bilinear for 24-bit images, nearest pixel for palette images (which keep
// their palette).
int ResamplePlain(const Image& source, int width, int height, Image& out);

}  // namespace lumi::imaging
