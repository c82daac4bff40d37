#pragma once

#include <cstddef>
#include <cstdint>

namespace lumi::imaging {

// False when a JPEG carries a Huffman table segment that claims more than 256
// codes. The decoder we build on copies such a table past the end of its
// fixed-size arrays, so these files are refused before it sees them. The walk
// follows the decoder's own way through the markers (segments by their
// lengths, scan data up to the next marker other than a restart) so that every
// table the decoder would read is checked.
// Where a JPEG's data begins after its start-of-image marker, or 0 when the
// bytes are no JPEG. Like the decoder, any number of fill bytes (0xFF) may
// come first.
std::size_t JpegDataStart(const std::uint8_t* data, std::size_t length);

bool JpegHuffmanTablesSafe(const std::uint8_t* data, std::size_t length);

}  // namespace lumi::imaging
