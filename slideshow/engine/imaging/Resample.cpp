#include "slideshow/engine/imaging/Resample.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/imaging/Progress.h"

namespace lumi::imaging {
namespace {

// The filter asks for its working memory once per call; the bands of one
// resize share a single block instead of allocating and freeing each time.
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

int ValidateTarget(const Image& source, int width, int height) {
  if (width < 1 || height < 1) return kImgErrBadArgument;
  if (!AcceptableSize(width, height)) return kImgErrTooLarge;
  if (source.width < 1 || source.height < 1) return kImgErrBadArgument;
  return kImgOk;
}

// Block size of the exact pre-shrink along one axis: an even number of source
// pixels, chosen so that at least two blocks still fall on every output
// pixel. The filter after it then still shrinks by 2 or more and removes what
// the blocks leave of fine detail; even blocks leave nothing of pixel-wide
// stripes. 1: no pre-shrink.
int BlockSize(int from, int to) {
  const int blocks = from / to / 4 * 2;
  return std::clamp(blocks, 1, 16);
}

// Averages blocks of bx x by source pixels into one pixel each, rounded
// exactly, so flat areas stay flat. The last block across and down also takes
// the pixels left over, so the whole picture is used.
Image BoxShrink(const Image& source, int bx, int by) {
  Image out;
  out.width = source.width / bx;
  out.height = source.height / by;
  out.pixels = TakePixels(static_cast<std::size_t>(out.width) * out.height * 3);
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(source.width) * 3);
  // Reciprocals in 8.24 fixed point: a block has at most 31 x 31 pixels, so
  // its sum times the reciprocal stays within 32 bits.
  auto reciprocal = [](int count) {
    return static_cast<std::uint32_t>(((1u << 24) + count / 2) / count);
  };
  for (int y = 0; y < out.height; ++y) {
    const int top = y * by, rows = y + 1 < out.height ? by : source.height - top;
    std::fill(sums.begin(), sums.end(), 0u);
    for (int r = 0; r < rows; ++r) {
      const std::uint8_t* s = source.Row(top + r);
      for (std::size_t i = 0; i < sums.size(); ++i) sums[i] += s[i];
    }
    const std::uint32_t inner = reciprocal(bx * rows);
    std::uint8_t* d = out.Row(y);
    for (int x = 0; x < out.width; ++x, d += 3) {
      const int left = x * bx, columns = x + 1 < out.width ? bx : source.width - left;
      const std::uint32_t scale = columns == bx ? inner : reciprocal(columns * rows);
      for (int c = 0; c < 3; ++c) {
        std::uint32_t sum = 0;
        const std::uint32_t* p = &sums[static_cast<std::size_t>(left) * 3 + c];
        for (int k = 0; k < columns; ++k, p += 3) sum += *p;
        d[c] = static_cast<std::uint8_t>((sum * scale + (1u << 23)) >> 24);
      }
    }
  }
  return out;
}

struct Pass {
  stbir_filter across, down;
  float xScale, yScale;
};

stbir_filter FilterFor(int from, int to) {
  // Shrinking: Mitchell averages all the detail an output pixel covers. A tent
  // would take half the work but lets pixel-wide stripes through as moire at
  // most factors. Enlarging (and keeping the size, where it copies):
  // Catmull-Rom passes through the source pixels and keeps edges crisp.
  return to < from ? STBIR_FILTER_MITCHELL : STBIR_FILTER_CATMULLROM;
}

// One band: the whole output's rows y0 to y1, placed by their offset at the
// whole output's scale, so its filter positions and weights are those of one
// pass over the picture and no seam shows between bands.
int FilterBand(const Image& from, const Pass& pass, Scratch& scratch, Image& result, int y0,
               int y1) {
  const int ok = stbir_resize_subpixel(
      from.pixels.data(), from.width, from.height, static_cast<int>(from.RowBytes()),
      result.Row(y0), result.width, y1 - y0, static_cast<int>(result.RowBytes()), STBIR_TYPE_UINT8,
      3, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP, STBIR_EDGE_CLAMP, pass.across, pass.down,
      STBIR_COLORSPACE_LINEAR, &scratch, pass.xScale, pass.yScale, 0.0f, static_cast<float>(y0));
  if (!ok) return scratch.failed ? kImgErrNoMemory : kImgErrUseResize;
  return kImgOk;
}

// Below this many output pixels a second thread costs more than it saves.
constexpr long long kTwoThreadPixels = 256LL * 1024;

// Each call works out its weights again (across a shrink at a cost that grows
// with both widths) and reads the source rows around the band's edges twice,
// so the bands are few and large: two on all but small pictures, filtered at
// the same time on a second thread when the picture is large enough, since
// the filter is most of the time a screen-sized picture takes to get ready.
// Only this thread reports progress (its hook belongs to the caller).
int FilterInBands(const Image& from, const Pass& pass, ProgressStage& progress, Image& result) {
  const int bandRows = std::max(256, (result.height + 1) / 2);
  const bool twoThreads = static_cast<long long>(result.width) * result.height >= kTwoThreadPixels;
  Scratch scratch, otherScratch;
  for (int y0 = 0; y0 < result.height;) {
    const int y1 = std::min(result.height, y0 + bandRows);
    const int y2 = std::min(result.height, y1 + bandRows);
    if (twoThreads && y2 > y1) {
      int otherStatus = kImgOk;
      std::optional<std::thread> other;
      try {
        other.emplace([&] { otherStatus = FilterBand(from, pass, otherScratch, result, y1, y2); });
      } catch (const std::system_error&) {
        // No thread to be had: this one does both bands in turn.
      }
      if (other) {
        int status = FilterBand(from, pass, scratch, result, y0, y1);
        const bool stop = status == kImgOk && progress.StepTo(y1);
        other->join();
        if (status == kImgOk) status = otherStatus;
        if (status != kImgOk) return status;
        if (stop || progress.StepTo(y2)) return kImgErrStopped;
        y0 = y2;
        continue;
      }
    }
    if (int status = FilterBand(from, pass, scratch, result, y0, y1); status != kImgOk)
      return status;
    if (progress.StepTo(y1)) return kImgErrStopped;
    y0 = y1;
  }
  return kImgOk;
}

}  // namespace

int ResampleSmooth(const Image& source, int width, int height, Image& out) {
  if (int status = ValidateTarget(source, width, height); status != kImgOk) return status;
  if (source.HasPalette()) return kImgErrUseResize;
  Image result, shrunk;
  const int bx = BlockSize(source.width, width), by = BlockSize(source.height, height);
  try {
    result.width = width;
    result.height = height;
    result.pixels = TakePixels(static_cast<std::size_t>(width) * height * 3);
    if (bx > 1 || by > 1) shrunk = BoxShrink(source, bx, by);
  } catch (const std::bad_alloc&) {
    GiveBackPixels(std::move(result.pixels));
    return kImgErrNoMemory;
  }
  const Image& from = shrunk.width > 0 ? shrunk : source;
  const Pass pass{FilterFor(from.width, width), FilterFor(from.height, height),
                  static_cast<float>(width) / static_cast<float>(from.width),
                  static_cast<float>(height) / static_cast<float>(from.height)};
  ProgressStage progress(height);
  const int status = FilterInBands(from, pass, progress, result);
  GiveBackPixels(std::move(shrunk.pixels));
  if (status != kImgOk) {
    GiveBackPixels(std::move(result.pixels));
    return status;
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
