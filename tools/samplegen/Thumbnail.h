#pragma once

#include "Encoders.h"
#include "Image.h"

namespace samplegen {

constexpr int kThumbnailWidth = 70;

// Height of a thumbnail 70 pixels wide that keeps the picture's proportions.
int ThumbnailHeight(int width, int height);

// Shrinks by averaging every source pixel into the thumbnail pixels it covers,
// so fine detail turns into the right mean colour instead of aliasing.
Image Shrink(const Image& source, int width, int height);

// Median-cut palette of the picture's own colours (at most `colours`), each
// pixel mapped to its nearest entry.
IndexedImage Quantize(const Image& image, int colours);

// The viewer's thumbnail: 70 pixels wide, 8-bit with a 256-colour table.
Bytes MakeThumbnail(const Image& picture);

}  // namespace samplegen
