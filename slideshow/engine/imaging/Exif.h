#pragma once

#include <cstddef>
#include <cstdint>

namespace lumi::imaging {

// The orientation a camera recorded in a JPEG's Exif block (APP1): 1 to 8, as
// the TIFF tag defines them; 1 (upright) when there is no block, no tag, or
// the block is damaged. Reads only inside [data, data + length).
int ReadExifOrientation(const std::uint8_t* data, std::size_t length);

}  // namespace lumi::imaging
