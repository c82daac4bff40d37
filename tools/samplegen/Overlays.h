#pragma once

#include "Image.h"

namespace samplegen {

// Bitmaps the engine copies opaquely into a corner of a picture, so each is a
// small finished panel on its own dark ground.
constexpr int kLogoWidth = 168, kLogoHeight = 32;
constexpr int kBadgeSize = 56;

Image Logo();   // a sun mark and the word LUMISHOW
Image Badge();  // a gold star medallion

}  // namespace samplegen
