#include "slideshow/engine/imaging/Decoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "slideshow/engine/imaging/DecoderMemory.h"
#include "slideshow/engine/imaging/Exif.h"
#include "slideshow/engine/imaging/JpegGuard.h"
#include "slideshow/engine/imaging/Orientation.h"
#include "slideshow/engine/imaging/Progress.h"

// The only decoders the slideshow needs: photographs and overlay bitmaps.
// Pictures come from memory or from files we read ourselves.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#define STBI_MALLOC(size) lumi::imaging::DecoderAlloc(size)
#define STBI_REALLOC(p, size) lumi::imaging::DecoderRealloc((p), (size))
#define STBI_FREE(p) lumi::imaging::DecoderFree(p)
#if defined(__MINGW32__)
// The core is built with -mstackrealign, which makes SSE2 safe in callbacks
// from code that only keeps the stack 4-byte aligned.
#define STBI_MINGW_ENABLE_SSE2
#endif
#if defined(__SSE2__)
// The decoder's vector colour conversion only covers 4-byte pixels and
// leaves our 3-byte ones to a plain loop that takes as long as the rest of
// the decode. Its conversion function is renamed where it is defined, and
// the name the decoder installs becomes ours, which runs that conversion
// through a small 4-byte buffer and keeps three bytes of each pixel.
#include <emmintrin.h>
static void stbi__YCbCr_to_RGB_simd(unsigned char* out, const unsigned char* y,
                                    const unsigned char* pcb, const unsigned char* pcr, int count,
                                    int step);
#define stbi__YCbCr_to_RGB_simd(...) StbYCbCrToFourBytes(__VA_ARGS__)
#endif
#include <stb_image.h>
#if !defined(STBI_ZEB_PATCHES)
#error "the decoder must be our copy in third_party/stb, which refuses hostile JPEG blocks"
#endif
#if defined(__SSE2__)
#undef stbi__YCbCr_to_RGB_simd
#if !defined(STBI_SSE2)
#error "the decoder was expected to use its SSE2 code here"
#endif

static void stbi__YCbCr_to_RGB_simd(unsigned char* out, const unsigned char* y,
                                    const unsigned char* pcb, const unsigned char* pcr, int count,
                                    int step) {
  if (step != 3) {
    StbYCbCrToFourBytes(out, y, pcb, pcr, count, step);
    return;
  }
  constexpr int kChunk = 64;
  alignas(16) unsigned char four[kChunk * 4];
  const __m128i lowPixel = _mm_set_epi32(0, 0x00FFFFFF, 0, 0x00FFFFFF);
  const __m128i highPixel = _mm_set_epi32(0x0000FFFF, static_cast<int>(0xFF000000), 0x0000FFFF,
                                          static_cast<int>(0xFF000000));
  const __m128i lowHalf = _mm_set_epi32(0, 0, -1, -1);
  for (int i = 0; i < count; i += kChunk) {
    const int n = std::min(kChunk, count - i);
    StbYCbCrToFourBytes(four, y + i, pcb + i, pcr + i, n, 4);
    const unsigned char* s = four;
    unsigned char* d = out + 3 * i;
    int p = 0;
    // Four pixels per step: in each 64-bit half the second pixel moves down
    // one byte over the first one's fourth byte, then the upper half moves
    // down two bytes onto the lower half's end. Each 16-byte store writes
    // four bytes past its twelve, which the next step overwrites.
    for (; p + 6 <= n; p += 4, s += 16, d += 12) {
      const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i*>(s));
      const __m128i pairs =
          _mm_or_si128(_mm_and_si128(v, lowPixel), _mm_and_si128(_mm_srli_epi64(v, 8), highPixel));
      const __m128i packed = _mm_or_si128(_mm_and_si128(pairs, lowHalf),
                                          _mm_srli_si128(_mm_andnot_si128(lowHalf, pairs), 2));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d), packed);
    }
    for (; p < n; ++p, s += 4, d += 3) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}
#endif

namespace lumi::imaging {
namespace {

bool IsJpeg(const std::uint8_t* data, std::size_t length) {
  return JpegDataStart(data, length) != 0;
}

// Feeds the decoder from the caller's buffer. Asking for bytes after the last
// one means the file ended early; the decoder would fill the rest with grey,
// so the read is remembered and the picture refused. Progress is reported in
// proportion to the bytes consumed, as one call per picture row.
struct Feed {
  const std::uint8_t* data;
  std::size_t length;
  std::size_t at = 0;
  bool readPastEnd = false;
  ProgressStage* progress;

  static int Read(void* user, char* out, int size) {
    Feed& f = *static_cast<Feed*>(user);
    if (f.progress->Stopped()) return 0;
    std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(size, 0)), f.length - f.at);
    if (n == 0) {
      f.readPastEnd = true;
      return 0;
    }
    std::memcpy(out, f.data + f.at, n);
    f.at += n;
    f.progress->StepTo(
        static_cast<long long>(static_cast<double>(f.at) / f.length * f.progress->Total()));
    return static_cast<int>(n);
  }
  static void Skip(void* user, int n) {
    Feed& f = *static_cast<Feed*>(user);
    if (n < 0) {
      f.at -= std::min<std::size_t>(f.at, static_cast<std::size_t>(-static_cast<long long>(n)));
    } else if (static_cast<std::size_t>(n) > f.length - f.at) {
      f.at = f.length;
      f.readPastEnd = true;
    } else {
      f.at += static_cast<std::size_t>(n);
    }
  }
  static int Eof(void* user) {
    Feed& f = *static_cast<Feed*>(user);
    return f.at >= f.length || f.progress->Stopped();
  }
};

struct StbFree {
  void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

int RawInfo(const std::uint8_t* data, std::size_t length, int& width, int& height,
            int& components) {
  if (data == nullptr || length == 0) return kImgErrDecode;
  if (length > static_cast<std::size_t>(0x7FFFFFFF)) return kImgErrTooLarge;
  // Before any parsing: reading the header already builds the tables.
  if (!JpegHuffmanTablesSafe(data, length)) return kImgErrDecode;
  if (!stbi_info_from_memory(data, static_cast<int>(length), &width, &height, &components))
    return kImgErrDecode;
  if (!AcceptableSize(width, height)) return kImgErrTooLarge;
  return kImgOk;
}

}  // namespace

int QueryPicture(const std::uint8_t* data, std::size_t length, ImgQueryInfo& info) {
  int width, height, components;
  if (int status = RawInfo(data, length, width, height, components); status != kImgOk)
    return status;
  if (IsJpeg(data, length) && ReadExifOrientation(data, length) >= 5) std::swap(width, height);
  info = ImgQueryInfo{};
  info.size = sizeof(ImgQueryInfo);
  info.width = width;
  info.height = height;
  info.planes = 1;
  info.bitCount = static_cast<std::int16_t>(components == 1 ? 8 : 24);
  return kImgOk;
}

int DecodePicture(const std::uint8_t* data, std::size_t length, Image& out) {
  int width, height, components;
  if (int status = RawInfo(data, length, width, height, components); status != kImgOk)
    return status;
  const int orientation = IsJpeg(data, length) ? ReadExifOrientation(data, length) : 1;
  const std::size_t bytes = static_cast<std::size_t>(width) * height * 3;
  // An upright picture is decoded into its final memory; a turned one is
  // decoded first and then turned into it. The extra byte is the JPEG
  // decoder's end mark.
  std::vector<std::uint8_t> pixels;
  try {
    pixels = TakePixels(bytes + 1);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  ProgressStage progress(height);
  Feed feed{data, length, 0, false, &progress};
  stbi_io_callbacks callbacks{&Feed::Read, &Feed::Skip, &Feed::Eof};
  std::unique_ptr<stbi_uc, StbFree> rgb;
  {
    DirectOutputScope direct(orientation == 1 ? pixels.data() : nullptr, bytes + 1);
    rgb.reset(stbi_load_from_callbacks(&callbacks, &feed, &width, &height, &components, 3));
  }
  const bool inPlace = rgb.get() == pixels.data();
  if (inPlace) rgb.release();  // our memory: nothing for the decoder to free
  const auto discard = [&](int status) {
    GiveBackPixels(std::move(pixels));
    return status;
  };
  if (progress.Stopped()) return discard(kImgErrStopped);
  if (!rgb && !inPlace) {
    const char* reason = stbi_failure_reason();
    return discard(reason != nullptr && std::strcmp(reason, "outofmem") == 0 ? kImgErrNoMemory
                                                                             : kImgErrDecode);
  }
  if (feed.readPastEnd) return discard(kImgErrDecode);
  // The size read from the header is the one the memory was made for.
  if (static_cast<std::size_t>(width) * height * 3 != bytes) return discard(kImgErrDecode);
  pixels.resize(bytes);
  if (!inPlace) Orient(rgb.get(), width, height, orientation, pixels.data());
  out = Image{};
  out.width = orientation >= 5 ? height : width;
  out.height = orientation >= 5 ? width : height;
  out.pixels = std::move(pixels);
  progress.StepTo(progress.Total());
  return progress.Stopped() ? kImgErrStopped : kImgOk;
}

}  // namespace lumi::imaging
