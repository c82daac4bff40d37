// Hostile JPEG files, made here bit by bit: a grey picture one block high
// whose blocks carry chosen DC differences, which the decoder adds up and
// scales. Values no real picture has must be refused, not overflowed, and so
// must scans that decode with tables the file never defined.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/slideshow/imaging/TestPictures.h"
#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class BitWriter {
 public:
  void Put(unsigned value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      current_ = static_cast<std::uint8_t>(current_ << 1 | (value >> i & 1));
      if (++count_ == 8) Flush();
    }
  }
  Bytes Finish() {
    while (count_ != 0) Put(1, 1);  // pad with ones
    return out_;
  }

 private:
  void Flush() {
    out_.push_back(current_);
    if (current_ == 0xFF) out_.push_back(0x00);  // stuffed
    current_ = 0;
    count_ = 0;
  }
  Bytes out_;
  std::uint8_t current_ = 0;
  int count_ = 0;
};

void Segment(Bytes& out, std::uint8_t marker, const Bytes& body) {
  const std::size_t length = body.size() + 2;
  out.insert(out.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8),
                         static_cast<std::uint8_t>(length)});
  out.insert(out.end(), body.begin(), body.end());
}

constexpr int kWithoutAcTable = 1;
constexpr int kWithoutQuantTable = 2;

// One grey 8-pixel-high row of blocks, one block per DC difference. Baseline
// files use dcQuant as the DC quantiser (16-bit table) and end every block at
// once; progressive ones hold a single DC scan scaled by 2^shift. without
// leaves tables out.
Bytes GreyJpeg(const std::vector<int>& dcDiffs, bool progressive, unsigned dcQuant, int shift = 0,
               int without = 0) {
  const unsigned width = 8 * static_cast<unsigned>(dcDiffs.size());
  Bytes out = {0xFF, 0xD8};
  Bytes quant = {0x10, static_cast<std::uint8_t>(dcQuant >> 8), static_cast<std::uint8_t>(dcQuant)};
  for (int i = 1; i < 64; ++i) quant.insert(quant.end(), {0, 1});
  if (!(without & kWithoutQuantTable)) Segment(out, 0xDB, quant);
  Segment(out, progressive ? 0xC2 : 0xC0,
          {8, 0, 8, static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width), 1, 1,
           0x11, 0});
  // DC table: the 16 sizes as 5-bit codes 0..15. AC table: end of block as "0".
  Bytes dcTable = {0x00, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (std::uint8_t size = 0; size < 16; ++size) dcTable.push_back(size);
  Segment(out, 0xC4, dcTable);
  if (!(without & kWithoutAcTable))
    Segment(out, 0xC4, {0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00});
  Segment(out, 0xDA,
          {1, 1, 0x00, 0, static_cast<std::uint8_t>(progressive ? 0 : 63),
           static_cast<std::uint8_t>(shift)});
  BitWriter bits;
  for (int diff : dcDiffs) {
    const unsigned magnitude = static_cast<unsigned>(diff < 0 ? -diff : diff);
    int size = 0;
    while (size < 16 && (magnitude >> size) != 0) ++size;
    bits.Put(static_cast<unsigned>(size), 5);
    if (size > 0) {
      const unsigned low =
          diff < 0 ? static_cast<unsigned>(diff + (1 << size) - 1) : static_cast<unsigned>(diff);
      bits.Put(low, size);
    }
    if (!progressive) bits.Put(0, 1);  // end of block
  }
  const Bytes data = bits.Finish();
  out.insert(out.end(), data.begin(), data.end());
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

bool Decodes(const Bytes& jpeg) {
  const int handle = ImgDecodeMemory(jpeg.data(), jpeg.size());
  if (handle < 0) {
    EXPECT_EQ(handle, kImgErrDecode);
    return false;
  }
  EXPECT_EQ(ImgFree(handle), kImgOk);
  return true;
}

TEST(HostileJpeg, DcValuesInRangeDecode) {
  EXPECT_TRUE(Decodes(GreyJpeg({100, -50, 3}, false, 2)));
  EXPECT_TRUE(Decodes(GreyJpeg({100, -50, 3}, true, 1, 3)));
  // The largest coefficient a block can hold, reached in two steps.
  EXPECT_TRUE(Decodes(GreyJpeg({32767}, false, 1)));
  EXPECT_TRUE(Decodes(GreyJpeg({-20000, -12768}, false, 1)));
}

TEST(HostileJpeg, DcValuesOutOfRangeAreRefused) {
  const int live = ImgLiveCount();
  // The fuzzer's find: a running DC of -45970 times a quantiser of 46743
  // overflows the decoder's arithmetic.
  EXPECT_FALSE(Decodes(GreyJpeg({-32767, -13203}, false, 46743)));
  // Just past what a coefficient holds, by the sum or by the scale.
  EXPECT_FALSE(Decodes(GreyJpeg({32767, 1}, false, 1)));
  EXPECT_FALSE(Decodes(GreyJpeg({16384}, false, 2)));
  // Progressive: the running DC times 2^13 overflows after a few blocks.
  EXPECT_FALSE(Decodes(GreyJpeg(std::vector<int>(12, 32767), true, 1, 13)));
  EXPECT_FALSE(Decodes(GreyJpeg({4}, true, 1, 13)));
  EXPECT_EQ(ImgLiveCount(), live);
  // The header alone is sound, so the size can still be asked for.
  ImgQueryInfo info{};
  const Bytes hostile = GreyJpeg({-32767, -13203}, false, 46743);
  ASSERT_EQ(ImgQueryMemory(hostile.data(), hostile.size(), &info), kImgOk);
  EXPECT_EQ(info.width, 16);
  EXPECT_EQ(info.height, 8);
}

TEST(HostileJpeg, ScansWithUndefinedTablesAreRefused) {
  // A real picture first, so that the decoder's fresh working memory is
  // likely to hold its tables: a file that leaves one out must not find it.
  EXPECT_TRUE(Decodes(ReadDataFile("baseline420.jpg")));
  EXPECT_FALSE(Decodes(GreyJpeg({5, 6}, false, 1, 0, kWithoutAcTable)));
  EXPECT_FALSE(Decodes(GreyJpeg({5, 6}, false, 1, 0, kWithoutQuantTable)));
  EXPECT_FALSE(Decodes(GreyJpeg({5, 6}, true, 1, 0, kWithoutQuantTable)));
  // A progressive DC scan decodes no AC codes, so it needs no AC table.
  EXPECT_TRUE(Decodes(GreyJpeg({5, 6}, true, 1, 0, kWithoutAcTable)));
  // The fuzzer's find: a progressive scan that uses an AC table the file
  // defines only later. Fuzzing after other pictures, the decoder took a
  // symbol from before the start of the stale table.
  EXPECT_TRUE(Decodes(ReadDataFile("progressive.jpg")));
  EXPECT_FALSE(Decodes(ReadDataFile("hostile/huffman-symbol-before-table.jpg")));
}

}  // namespace
}  // namespace lumi::imaging::test
