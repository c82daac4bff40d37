#include "imaging/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "imaging/ImagingApi.h"
#include "imaging/Progress.h"

namespace lumi::imaging {
namespace {

// Filter weights are 14-bit fixed point: a row of 16-bit weights summing to
// exactly kOne keeps flat areas exact, and 255 times the largest sum of
// absolute weights still fits 32 bits with room to spare.
constexpr int kShift = 14;
constexpr int kOne = 1 << kShift;

// Mitchell-Netravali cubic with parameters b and c; support 2.
double Cubic(double x, double b, double c) {
  x = std::fabs(x);
  if (x < 1)
    return ((12 - 9 * b - 6 * c) * x * x * x + (-18 + 12 * b + 6 * c) * x * x + (6 - 2 * b)) / 6;
  if (x < 2)
    return ((-b - 6 * c) * x * x * x + (6 * b + 30 * c) * x * x + (-12 * b - 48 * c) * x +
            (8 * b + 24 * c)) /
           6;
  return 0;
}

// For each output position along one axis, the run of source positions it
// reads and their weights. Shrinking uses the Mitchell filter widened by the
// reduction, so that each output pixel averages all the detail it covers;
// enlarging uses Catmull-Rom, which passes through the source pixels and keeps
// edges crisp. Taps beyond the picture's edge count as the edge pixel.
struct Taps {
  int span = 0;                       // longest run of source positions
  int stride = 0;                     // weights kept per output position: span, made even
  std::vector<int> first;             // first source position read
  std::vector<int> count;             // source positions read
  std::vector<std::int16_t> weights;  // stride per output position, zero-padded
};

Taps MakeTaps(int from, int to) {
  const bool shrink = to < from;
  const double scale = static_cast<double>(to) / from;
  const double stretch = shrink ? 1.0 / scale : 1.0;  // source pixels per filter unit
  const double b = shrink ? 1.0 / 3 : 0.0, c = shrink ? 1.0 / 3 : 0.5;
  const double support = 2.0 * stretch;
  Taps taps;
  taps.span = std::min(from, static_cast<int>(std::ceil(support)) * 2 + 1);
  taps.first.resize(to);
  taps.count.resize(to);
  taps.stride = (taps.span + 1) & ~1;
  taps.weights.assign(static_cast<std::size_t>(to) * taps.stride, 0);
  std::vector<double> w;
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) / scale;  // in source pixel units
    const int lo = static_cast<int>(std::floor(centre - support));
    const int hi = static_cast<int>(std::ceil(centre + support));
    const int first = std::clamp(lo, 0, from - 1), last = std::clamp(hi, 0, from - 1);
    w.assign(last - first + 1, 0.0);
    double sum = 0;
    for (int j = lo; j <= hi; ++j) {
      double weight = Cubic((j + 0.5 - centre) / stretch, b, c);
      w[std::clamp(j, 0, from - 1) - first] += weight;
      sum += weight;
    }
    // Positions whose weight rounds to nothing are dropped from both ends,
    // which keeps the span small where the filter passes through zero.
    int begin = 0, end = static_cast<int>(w.size());
    while (end - begin > 1 && std::lround(w[begin] / sum * kOne) == 0) ++begin;
    while (end - begin > 1 && std::lround(w[end - 1] / sum * kOne) == 0) --end;
    taps.first[i] = first + begin;
    taps.count[i] = end - begin;
    std::int16_t* out = &taps.weights[static_cast<std::size_t>(i) * taps.stride];
    int total = 0, largest = 0;
    for (int k = begin; k < end; ++k) {
      out[k - begin] = static_cast<std::int16_t>(std::lround(w[k] / sum * kOne));
      total += out[k - begin];
      if (out[k - begin] > out[largest]) largest = k - begin;
    }
    // Rounding leftovers go to the largest weight so every row sums to one.
    out[largest] = static_cast<std::int16_t>(out[largest] + kOne - total);
  }
  return taps;
}

std::uint8_t Clamp8(int v) {
  v >>= kShift;
  return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// One row across: each output pixel from its run of source pixels. Two
// source pixels go into each multiply-add step, their channels interleaved
// as 16-bit pairs; where those 8-byte reads would leave the row (at its right
// end) the plain loop does the pixel.
void FilterAcross(const std::uint8_t* src, std::size_t srcBytes, std::uint8_t* dst, int width,
                  const Taps& taps) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128(), round = _mm_set1_epi32(kOne / 2);
#endif
  // Held in locals: the byte stores below could otherwise alias the tables,
  // and the compiler would reload them for every pixel.
  const int* firsts = taps.first.data();
  const int* counts = taps.count.data();
  const std::int16_t* weights = taps.weights.data();
  const std::size_t stride = static_cast<std::size_t>(taps.stride);
  for (int x = 0; x < width; ++x, dst += 3, weights += stride) {
    const std::size_t first = static_cast<std::size_t>(firsts[x]);
    const std::uint8_t* s = src + 3 * first;
    const std::int16_t* w = weights;
    const int count = counts[x];
#if defined(__SSE2__)
    // Enlarging reads at most four pixels: one 16-byte load holds them all.
    if (count <= 4 && stride >= 4 && 3 * first + 16 <= srcBytes) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
      const __m128i p01 = _mm_unpacklo_epi8(v, zero);
      const __m128i p23 = _mm_unpacklo_epi8(_mm_srli_si128(v, 6), zero);
      const __m128i w03 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(w));
      __m128i acc =
          _mm_add_epi32(round, _mm_madd_epi16(_mm_unpacklo_epi16(p01, _mm_srli_si128(p01, 6)),
                                              _mm_shuffle_epi32(w03, 0x00)));
      acc = _mm_add_epi32(acc, _mm_madd_epi16(_mm_unpacklo_epi16(p23, _mm_srli_si128(p23, 6)),
                                              _mm_shuffle_epi32(w03, 0x55)));
      acc = _mm_srai_epi32(acc, kShift);
      const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(acc, acc), zero);
      const std::uint32_t rgb = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
      dst[0] = static_cast<std::uint8_t>(rgb);
      dst[1] = static_cast<std::uint8_t>(rgb >> 8);
      dst[2] = static_cast<std::uint8_t>(rgb >> 16);
      continue;
    }
    if (3 * (first + static_cast<std::size_t>((count - 1) & ~1)) + 8 <= srcBytes) {
      __m128i acc = round;
      for (int k = 0; k < count; k += 2, s += 6) {
        std::int32_t pair;
        std::memcpy(&pair, w + k, 4);  // weights k and k + 1 (zero past the run)
        const __m128i p =
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(s)), zero);
        const __m128i both = _mm_unpacklo_epi16(p, _mm_srli_si128(p, 6));
        acc = _mm_add_epi32(acc, _mm_madd_epi16(both, _mm_set1_epi32(pair)));
      }
      acc = _mm_srai_epi32(acc, kShift);
      const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(acc, acc), zero);
      const std::uint32_t rgb = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
      dst[0] = static_cast<std::uint8_t>(rgb);
      dst[1] = static_cast<std::uint8_t>(rgb >> 8);
      dst[2] = static_cast<std::uint8_t>(rgb >> 16);
      continue;
    }
#endif
    int r = kOne / 2, g = kOne / 2, b = kOne / 2;
    for (int k = 0; k < count; ++k, s += 3) {
      r += s[0] * w[k];
      g += s[1] * w[k];
      b += s[2] * w[k];
    }
    dst[0] = Clamp8(r);
    dst[1] = Clamp8(g);
    dst[2] = Clamp8(b);
  }
}

// One output row down: bytes of `count` rows, weighted. The same weights
// apply along the whole row, so the work runs sixteen bytes at a time.
void FilterDown(const std::uint8_t* const* rows, const std::int16_t* w, int count,
                std::uint8_t* dst, std::size_t bytes) {
  std::size_t x = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128(), round = _mm_set1_epi32(kOne / 2);
  for (; x + 16 <= bytes; x += 16) {
    __m128i acc0 = round, acc1 = round, acc2 = round, acc3 = round;
    for (int k = 0; k < count; k += 2) {
      // Two rows at a time: their bytes interleaved as 16-bit pairs, each
      // pair multiplied by the two weights and added in one step.
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x));
      const bool pair = k + 1 < count;
      const __m128i b =
          pair ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k + 1] + x)) : zero;
      const int w1 = pair ? w[k + 1] : 0;
      const __m128i weights = _mm_set1_epi32(
          static_cast<int>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(w1)) << 16) |
                           static_cast<std::uint16_t>(w[k])));
      const __m128i lo = _mm_unpacklo_epi8(a, b), hi = _mm_unpackhi_epi8(a, b);
      acc0 = _mm_add_epi32(acc0, _mm_madd_epi16(_mm_unpacklo_epi8(lo, zero), weights));
      acc1 = _mm_add_epi32(acc1, _mm_madd_epi16(_mm_unpackhi_epi8(lo, zero), weights));
      acc2 = _mm_add_epi32(acc2, _mm_madd_epi16(_mm_unpacklo_epi8(hi, zero), weights));
      acc3 = _mm_add_epi32(acc3, _mm_madd_epi16(_mm_unpackhi_epi8(hi, zero), weights));
    }
    const __m128i low = _mm_packs_epi32(_mm_srai_epi32(acc0, kShift), _mm_srai_epi32(acc1, kShift));
    const __m128i high =
        _mm_packs_epi32(_mm_srai_epi32(acc2, kShift), _mm_srai_epi32(acc3, kShift));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_packus_epi16(low, high));
  }
#endif
  for (; x < bytes; ++x) {
    int v = kOne / 2;
    for (int k = 0; k < count; ++k) v += rows[k][x] * w[k];
    dst[x] = Clamp8(v);
  }
}

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
  Taps across, down;
  std::vector<std::uint8_t> scratch;
  std::vector<const std::uint8_t*> rows;
  const std::size_t sourceRow = source.RowBytes(), resultRow = static_cast<std::size_t>(width) * 3;
  const bool sameWidth = width == source.width;
  // The pass across costs most per pixel, so it runs on whichever has fewer
  // rows. When the height shrinks, each output row is made down from the
  // source rows into a scratch row, then across. Otherwise source rows are
  // made across as the output rows down need them, into a ring of rows just
  // deep enough for the filter, which stays in the processor's cache.
  const bool downFirst = height < source.height;
  int ringRows = 0;
  try {
    result.width = width;
    result.height = height;
    result.pixels = TakePixels(resultRow * height);
    across = MakeTaps(source.width, width);
    down = MakeTaps(source.height, height);
    rows.resize(down.span);
    ringRows = down.span + 2;
    if (!sameWidth) scratch.resize(downFirst ? sourceRow : resultRow * ringRows);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  ProgressStage progress(height);
  int made = 0;  // source rows made across so far, when going across first
  for (int y = 0; y < height; ++y) {
    const int first = down.first[y], count = down.count[y];
    const std::int16_t* weights = &down.weights[static_cast<std::size_t>(y) * down.stride];
    if (downFirst || sameWidth) {
      for (int k = 0; k < count; ++k) rows[k] = source.Row(first + k);
      std::uint8_t* row = sameWidth ? result.Row(y) : scratch.data();
      FilterDown(rows.data(), weights, count, row, sourceRow);
      if (!sameWidth) FilterAcross(row, sourceRow, result.Row(y), width, across);
    } else {
      // Rows that have left the ring are made again (the first row read can
      // step back by one where a filter end rounds to nothing).
      if (first < made - ringRows) made = first;
      for (; made < first + count; ++made)
        FilterAcross(source.Row(made), sourceRow,
                     scratch.data() + resultRow * static_cast<std::size_t>(made % ringRows), width,
                     across);
      for (int k = 0; k < count; ++k)
        rows[k] = scratch.data() + resultRow * static_cast<std::size_t>((first + k) % ringRows);
      FilterDown(rows.data(), weights, count, result.Row(y), resultRow);
    }
    if (progress.Step()) return kImgErrStopped;
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
