#include "imaging/Resample.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/ImagingApi.h"
#include "imaging/Progress.h"

namespace lumi::imaging {
namespace {

// The resizer asks for its working memory on every call; output is made in
// bands (so that progress can be reported and a stop honoured), and the bands
// share one scratch block instead of allocating each time.
struct Scratch {
  std::vector<unsigned char> block;
  bool failed = false;
};

void* ScratchAlloc(std::size_t size, void* context) {
  Scratch& scratch = *static_cast<Scratch*>(context);
  try {
    if (scratch.block.size() < size) scratch.block.resize(size);
  } catch (const std::bad_alloc&) {
    scratch.failed = true;
    return nullptr;
  }
  return scratch.block.data();
}

}  // namespace
}  // namespace lumi::imaging

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#define STBIR_MALLOC(size, context) lumi::imaging::ScratchAlloc((size), (context))
#define STBIR_FREE(ptr, context) ((void)(ptr), (void)(context))
#include <stb_image_resize.h>

namespace lumi::imaging {
namespace {

// Each band costs the resizer a fresh set-up and the filter rows around its
// edges twice, so bands are few: about eight per picture, which still lets a
// stop take effect quickly.
int BandRows(int height) { return std::max(128, (height + 7) / 8); }

int ValidateTarget(const Image& source, int width, int height) {
  if (width < 1 || height < 1) return kImgErrBadArgument;
  if (!AcceptableSize(width, height)) return kImgErrTooLarge;
  if (source.width < 1 || source.height < 1) return kImgErrBadArgument;
  return kImgOk;
}

}  // namespace

int ResampleSmooth(const Image& source, int width, int height, Image& out) {
  if (int status = ValidateTarget(source, width, height); status != kImgOk) return status;
  if (source.HasPalette()) return kImgErrUseResize;
  Image result;
  Scratch scratch;
  try {
    result.width = width;
    result.height = height;
    result.pixels.resize(static_cast<std::size_t>(width) * height * 3);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  ProgressStage progress(height);
  const int bandRows = BandRows(height);
  for (int y0 = 0; y0 < height; y0 += bandRows) {
    int y1 = std::min(height, y0 + bandRows);
    // The band's rows as a region of the whole picture, so that the filter
    // sees the source rows around the band's edges exactly as a single call
    // would.
    int ok = stbir_resize_region(
        source.pixels.data(), source.width, source.height, static_cast<int>(source.RowBytes()),
        result.Row(y0), width, y1 - y0, static_cast<int>(result.RowBytes()), STBIR_TYPE_UINT8, 3,
        STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT,
        STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_LINEAR, &scratch, 0.0f,
        static_cast<float>(y0) / height, 1.0f, static_cast<float>(y1) / height);
    if (!ok) return scratch.failed ? kImgErrNoMemory : kImgErrUseResize;
    if (progress.StepTo(y1)) return kImgErrStopped;
  }
  out = std::move(result);
  return kImgOk;
}

int ResamplePlain(const Image& source, int width, int height, Image& out) {
  if (int status = ValidateTarget(source, width, height); status != kImgOk) return status;
  Image result;
  try {
    result.width = width;
    result.height = height;
    result.palette = source.palette;
    result.pixels.resize(static_cast<std::size_t>(width) * height * source.BytesPerPixel());
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  ProgressStage progress(height);
  // Source positions in 16.16 fixed point, pixel centres mapped onto pixel
  // centres.
  auto position = [](int i, int from, int to) {
    long long p = ((2LL * i + 1) * from * 65536) / (2LL * to) - 32768;
    return std::clamp<long long>(p, 0, (from - 1) * 65536LL);
  };
  std::vector<long long> xs(width);
  for (int x = 0; x < width; ++x) xs[x] = position(x, source.width, width);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* d = result.Row(y);
    long long py = position(y, source.height, height);
    if (source.HasPalette()) {
      const std::uint8_t* s = source.Row(static_cast<int>((py + 32768) >> 16));
      for (int x = 0; x < width; ++x)
        d[x] = s[std::min<long long>((xs[x] + 32768) >> 16, source.width - 1)];
    } else {
      int y0 = static_cast<int>(py >> 16);
      int y1 = std::min(y0 + 1, source.height - 1);
      unsigned fy = static_cast<unsigned>(py & 0xFFFF) >> 8;
      const std::uint8_t* r0 = source.Row(y0);
      const std::uint8_t* r1 = source.Row(y1);
      for (int x = 0; x < width; ++x, d += 3) {
        int x0 = static_cast<int>(xs[x] >> 16);
        int x1 = std::min(x0 + 1, source.width - 1);
        unsigned fx = static_cast<unsigned>(xs[x] & 0xFFFF) >> 8;
        for (int c = 0; c < 3; ++c) {
          unsigned top = r0[x0 * 3 + c] * (256 - fx) + r0[x1 * 3 + c] * fx;
          unsigned bottom = r1[x0 * 3 + c] * (256 - fx) + r1[x1 * 3 + c] * fx;
          d[c] = static_cast<std::uint8_t>((top * (256 - fy) + bottom * fy + 32768) >> 16);
        }
      }
    }
    if (progress.Step()) return kImgErrStopped;
  }
  out = std::move(result);
  return kImgOk;
}

}  // namespace lumi::imaging
