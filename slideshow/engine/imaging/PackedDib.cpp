#include "slideshow/engine/imaging/PackedDib.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumi::imaging {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

std::size_t Stride(const Image& image) {
  return (static_cast<std::size_t>(image.width) * image.BitsPerPixel() + 31) / 32 * 4;
}

// Red and blue change places; green stays. Five pixels per 16-byte step: each
// step also writes one byte past its five pixels, which the next step then
// overwrites, so the vector loop stops while 16 bytes still lie within the
// row.
void SwapRedBlue(const std::uint8_t* s, std::uint8_t* d, int width) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i green = _mm_setr_epi8(0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0);
  const __m128i blue = _mm_slli_si128(green, 1), red = _mm_srli_si128(green, 1);
  for (; x + 6 <= width; x += 5, s += 15, d += 15) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    const __m128i out = _mm_or_si128(_mm_and_si128(v, green),
                                     _mm_or_si128(_mm_and_si128(_mm_slli_si128(v, 2), blue),
                                                  _mm_and_si128(_mm_srli_si128(v, 2), red)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), out);
  }
#endif
  for (; x < width; ++x, s += 3, d += 3) {
    d[0] = s[2];
    d[1] = s[1];
    d[2] = s[0];
  }
}

void WriteDib(const Image& image, std::uint8_t* out) {
  const int bits = image.BitsPerPixel();
  const std::size_t colours = bits == 24 ? 0 : image.palette.size();
  const std::size_t stride = Stride(image);
  Put32(out, kInfoHeaderSize);
  Put32(out + 4, static_cast<std::uint32_t>(image.width));
  Put32(out + 8, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  Put16(out + 12, 1);
  Put16(out + 14, static_cast<std::uint32_t>(bits));
  Put32(out + 16, 0);  // uncompressed
  Put32(out + 20, static_cast<std::uint32_t>(stride * image.height));
  Put32(out + 24, kPixelsPerMetre);
  Put32(out + 28, kPixelsPerMetre);
  Put32(out + 32, static_cast<std::uint32_t>(colours));
  Put32(out + 36, 0);
  std::uint8_t* table = out + kInfoHeaderSize;
  for (std::size_t i = 0; i < colours; ++i) {
    table[4 * i] = image.palette[i].b;
    table[4 * i + 1] = image.palette[i].g;
    table[4 * i + 2] = image.palette[i].r;
    table[4 * i + 3] = 0;
  }
  std::uint8_t* bitsStart = table + 4 * colours;
  const std::size_t used = (static_cast<std::size_t>(image.width) * bits + 7) / 8;
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* s = image.Row(y);
    std::uint8_t* d = bitsStart + stride * (image.height - 1 - y);
    std::memset(d + used, 0, stride - used);  // the block may hold an earlier bitmap
    if (bits == 24) {
      SwapRedBlue(s, d, image.width);
    } else if (bits == 8) {
      std::memcpy(d, s, image.width);
    } else {
      for (int x = 0; x < image.width; x += 2) {
        std::uint8_t high = s[x] & 0x0F;
        std::uint8_t low = x + 1 < image.width ? (s[x + 1] & 0x0F) : 0;
        d[x / 2] = static_cast<std::uint8_t>(high << 4 | low);
      }
    }
  }
}

}  // namespace

std::size_t PackedDibSize(const Image& image) {
  std::size_t colours = image.BitsPerPixel() == 24 ? 0 : image.palette.size();
  return kInfoHeaderSize + 4 * colours + Stride(image) * image.height;
}

void WritePackedDib(const Image& image, std::uint8_t* out) { WriteDib(image, out); }

std::vector<std::uint8_t> MakeBitmapFile(const Image& image) {
  std::size_t dib = PackedDibSize(image);
  std::vector<std::uint8_t> out(kFileHeaderSize + dib);
  std::size_t colours = image.BitsPerPixel() == 24 ? 0 : image.palette.size();
  out[0] = 'B';
  out[1] = 'M';
  Put32(&out[2], static_cast<std::uint32_t>(out.size()));
  Put32(&out[10], static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * colours));
  WriteDib(image, out.data() + kFileHeaderSize);
  return out;
}

}  // namespace lumi::imaging
