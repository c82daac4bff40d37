#pragma once

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging {

// Luminance (ITU-R BT.601 weights) as an 8-bit image with a 256-step grey
// palette. A palette image keeps its indices and gets its palette greyed.
int MakeGrey(const Image& source, Image& out);

// Median-cut palette of at most maxColours (2 to 256) colours, then every
// pixel mapped to its nearest palette colour, optionally through an ordered
// dither. A picture that already has few enough colours keeps them exactly.
int Quantise(const Image& source, int maxColours, bool dither, Image& out);

// The 16 colours every 16-colour display shows, with an ordered dither: a
// palette made for the picture could not be realised on such a display.
int ReduceToDisplayColours(const Image& source, Image& out);

}  // namespace lumi::imaging
