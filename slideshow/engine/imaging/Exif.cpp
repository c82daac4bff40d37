#include "slideshow/engine/imaging/Exif.h"

#include <cstring>

#include "slideshow/engine/imaging/JpegGuard.h"

namespace lumi::imaging {
namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;

class TiffReader {
 public:
  TiffReader(const std::uint8_t* data, std::size_t length, bool bigEndian)
      : data_(data), length_(length), bigEndian_(bigEndian) {}

  bool U16(std::size_t at, std::uint16_t& value) const {
    if (at > length_ || length_ - at < 2) return false;
    value = bigEndian_ ? (data_[at] << 8 | data_[at + 1]) : (data_[at + 1] << 8 | data_[at]);
    return true;
  }
  bool U32(std::size_t at, std::uint32_t& value) const {
    std::uint16_t a, b;
    if (!U16(at, a) || !U16(at + 2, b)) return false;
    value = bigEndian_ ? (std::uint32_t{a} << 16 | b) : (std::uint32_t{b} << 16 | a);
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t length_;
  bool bigEndian_;
};

// Orientation from the TIFF structure inside an Exif segment: the tag lives in
// the first image directory.
int OrientationFromTiff(const std::uint8_t* tiff, std::size_t length) {
  if (length < 8) return 1;
  bool bigEndian;
  if (tiff[0] == 'I' && tiff[1] == 'I') {
    bigEndian = false;
  } else if (tiff[0] == 'M' && tiff[1] == 'M') {
    bigEndian = true;
  } else {
    return 1;
  }
  TiffReader reader(tiff, length, bigEndian);
  std::uint16_t magic, count;
  std::uint32_t directory;
  if (!reader.U16(2, magic) || magic != 42 || !reader.U32(4, directory)) return 1;
  if (!reader.U16(directory, count)) return 1;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::size_t entry = std::size_t{directory} + 2 + std::size_t{i} * 12;
    std::uint16_t tag, type, value;
    std::uint32_t values;
    if (!reader.U16(entry, tag) || !reader.U16(entry + 2, type) || !reader.U32(entry + 4, values) ||
        !reader.U16(entry + 8, value))
      return 1;
    if (tag != kOrientationTag) continue;
    if (type != kTypeShort || values != 1 || value < 1 || value > 8) return 1;
    return value;
  }
  return 1;
}

}  // namespace

int ReadExifOrientation(const std::uint8_t* data, std::size_t length) {
  std::size_t at = JpegDataStart(data, length);
  if (at == 0) return 1;
  // Walk the marker segments before the image data; Exif sits among the
  // first application segments.
  while (at + 4 <= length) {
    if (data[at] != 0xFF) return 1;
    std::uint8_t marker = data[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return 1;  // start of scan, end of image
    std::size_t segment = std::size_t{data[at + 2]} << 8 | data[at + 3];
    if (segment < 2 || segment > length - at - 2) return 1;
    const std::uint8_t* body = data + at + 4;
    std::size_t bodyLength = segment - 2;
    if (marker == 0xE1 && bodyLength >= 6 && std::memcmp(body, "Exif\0\0", 6) == 0)
      return OrientationFromTiff(body + 6, bodyLength - 6);
    at += 2 + segment;
  }
  return 1;
}

}  // namespace lumi::imaging
