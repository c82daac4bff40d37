#pragma once

#include <windows.h>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging {

// The image as a packed device-independent bitmap in movable global memory,
// with its width, height and depth. The block belongs to the image: it stays
// valid while locked and until ImgFree; an unlocked block is released when
// the next one is made for the same handle. Null when the handle names no
// image or memory runs out.
HGLOBAL ImgGetDib(int handle, int* width, int* height, int* bitsPerPixel);

}  // namespace lumi::imaging
