#pragma once

#include <cstddef>
#include <cstdint>

#include "slideshow/engine/imaging/Image.h"
#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging {

// Decodes a JPEG (baseline or progressive, upright per its Exif orientation)
// or a Windows bitmap into a 24-bit image. Returns kImgOk or an error code; a
// truncated or damaged file is an error, never a partly grey picture.
int DecodePicture(const std::uint8_t* data, std::size_t length, Image& out);

// Size and depth as the decoder sees them, without decoding the pixels; the
// size is the upright one for a turned JPEG.
int QueryPicture(const std::uint8_t* data, std::size_t length, ImgQueryInfo& info);

}  // namespace lumi::imaging
