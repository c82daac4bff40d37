#include "imaging/Decoder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "imaging/Exif.h"
#include "imaging/JpegGuard.h"
#include "imaging/Orientation.h"
#include "imaging/Progress.h"

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
#if defined(__MINGW32__)
// The core is built with -mstackrealign, which makes SSE2 safe in callbacks
// from code that only keeps the stack 4-byte aligned.
#define STBI_MINGW_ENABLE_SSE2
#endif
#include <stb_image.h>

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
  ProgressStage progress(height);
  Feed feed{data, length, 0, false, &progress};
  stbi_io_callbacks callbacks{&Feed::Read, &Feed::Skip, &Feed::Eof};
  std::unique_ptr<stbi_uc, StbFree> rgb(
      stbi_load_from_callbacks(&callbacks, &feed, &width, &height, &components, 3));
  if (progress.Stopped()) return kImgErrStopped;
  if (!rgb) {
    const char* reason = stbi_failure_reason();
    return reason != nullptr && std::strcmp(reason, "outofmem") == 0 ? kImgErrNoMemory
                                                                     : kImgErrDecode;
  }
  if (feed.readPastEnd) return kImgErrDecode;
  int orientation = IsJpeg(data, length) ? ReadExifOrientation(data, length) : 1;
  try {
    out = Orient(rgb.get(), width, height, orientation);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  progress.StepTo(progress.Total());
  return progress.Stopped() ? kImgErrStopped : kImgOk;
}

}  // namespace lumi::imaging
