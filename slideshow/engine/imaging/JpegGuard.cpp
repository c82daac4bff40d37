#include "slideshow/engine/imaging/JpegGuard.h"

namespace lumi::imaging {
namespace {

constexpr std::uint8_t kDht = 0xC4;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kEoi = 0xD9;

class Walker {
 public:
  Walker(const std::uint8_t* data, std::size_t length, std::size_t start)
      : data_(data), length_(length), at_(start) {}

  bool Safe() {
    for (;;) {
      int marker = NextMarker();
      if (marker < 0 || marker == kEoi) return true;
      if (!Segment(static_cast<std::uint8_t>(marker))) return false;
    }
  }

 private:
  // Skips bytes up to a 0xFF and any fill bytes after it; the marker code, or
  // -1 at the end of the data.
  int NextMarker() {
    while (at_ < length_ && data_[at_] != 0xFF) ++at_;
    while (at_ < length_ && data_[at_] == 0xFF) ++at_;
    return at_ < length_ ? data_[at_++] : -1;
  }

  std::size_t SegmentLength() const {
    if (length_ - at_ < 2) return 0;
    return std::size_t{data_[at_]} << 8 | data_[at_ + 1];
  }

  bool Segment(std::uint8_t marker) {
    if (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD8)) return true;  // no length follows
    std::size_t size = SegmentLength();
    if (size < 2) {
      at_ = length_;
      return true;
    }
    if (marker == kDht && !TablesFit(at_ + 2, at_ + size)) return false;
    at_ += size;
    if (at_ >= length_) return true;
    if (marker == kSos) SkipScanData();
    return true;
  }

  // The data runs to the first marker that is not a stuffed byte or a
  // restart; the walk goes on at that marker.
  void SkipScanData() {
    while (at_ + 1 < length_) {
      if (data_[at_] != 0xFF) {
        ++at_;
        continue;
      }
      std::size_t next = at_ + 1;
      while (next < length_ && data_[next] == 0xFF) ++next;
      if (next >= length_) break;
      std::uint8_t code = data_[next];
      if (code == 0x00 || (code >= 0xD0 && code <= 0xD7)) {
        at_ = next + 1;
        continue;
      }
      at_ = next - 1;  // leave the 0xFF for NextMarker
      return;
    }
    at_ = length_;
  }

  // Each table: class and slot, 16 code counts, then that many values. The
  // decoder reads past the segment's end with zeros, so bytes beyond the data
  // count as 0 here as well.
  bool TablesFit(std::size_t from, std::size_t to) const {
    std::size_t at = from;
    while (at < to) {
      unsigned codes = 0;
      for (std::size_t i = 1; i <= 16; ++i) codes += at + i < length_ ? data_[at + i] : 0;
      if (codes > 256) return false;
      at += 17 + codes;
    }
    return true;
  }

  const std::uint8_t* data_;
  std::size_t length_;
  std::size_t at_;
};

}  // namespace

std::size_t JpegDataStart(const std::uint8_t* data, std::size_t length) {
  std::size_t at = 0;
  if (length == 0 || data[0] != 0xFF) return 0;
  while (at < length && data[at] == 0xFF) ++at;
  return at < length && data[at] == 0xD8 ? at + 1 : 0;
}

bool JpegHuffmanTablesSafe(const std::uint8_t* data, std::size_t length) {
  std::size_t start = JpegDataStart(data, length);
  return start == 0 || Walker(data, length, start).Safe();
}

}  // namespace lumi::imaging
