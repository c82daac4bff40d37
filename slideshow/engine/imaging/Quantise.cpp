#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "slideshow/engine/imaging/ColourWork.h"
#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/imaging/Progress.h"

namespace lumi::imaging {
namespace {

// Colours are counted in 6 bits per channel: fine enough that a smooth
// gradient gets most of the palette, small enough to sort quickly.
constexpr int kBits = 6;
constexpr int kSide = 1 << kBits;
constexpr int kBins = kSide * kSide * kSide;

int BinOf(int r, int g, int b) { return (r >> 2) << (2 * kBits) | (g >> 2) << kBits | (b >> 2); }

struct Box {
  std::array<int, 3> lo{0, 0, 0};
  std::array<int, 3> hi{kSide - 1, kSide - 1, kSide - 1};
  std::uint64_t count = 0;
};

class MedianCut {
 public:
  explicit MedianCut(const std::vector<std::uint32_t>& histogram) : histogram_(histogram) {}

  std::vector<Box> Cut(int maxBoxes) {
    std::vector<Box> boxes(1);
    Shrink(boxes[0]);
    while (static_cast<int>(boxes.size()) < maxBoxes) {
      int best = -1;
      std::uint64_t bestScore = 0;
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        int side = LongestSide(boxes[i]);
        std::uint64_t score =
            boxes[i].count * static_cast<std::uint64_t>(boxes[i].hi[side] - boxes[i].lo[side]);
        if (score > bestScore) {
          bestScore = score;
          best = static_cast<int>(i);
        }
      }
      if (best < 0) break;  // every box is a single colour cell
      Box upper;
      if (!Split(boxes[best], upper)) break;
      boxes.push_back(upper);
    }
    return boxes;
  }

 private:
  std::uint32_t At(int r, int g, int b) const {
    return histogram_[(r << (2 * kBits)) | (g << kBits) | b];
  }

  static int LongestSide(const Box& box) {
    // Green counts most to the eye, blue least.
    int wr = (box.hi[0] - box.lo[0]) * 3, wg = (box.hi[1] - box.lo[1]) * 4,
        wb = (box.hi[2] - box.lo[2]) * 2;
    return wg >= wr && wg >= wb ? 1 : (wr >= wb ? 0 : 2);
  }

  std::array<std::vector<std::uint64_t>, 3> Projections(const Box& box) const {
    std::array<std::vector<std::uint64_t>, 3> p{std::vector<std::uint64_t>(kSide),
                                                std::vector<std::uint64_t>(kSide),
                                                std::vector<std::uint64_t>(kSide)};
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
      for (int g = box.lo[1]; g <= box.hi[1]; ++g)
        for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
          std::uint32_t n = At(r, g, b);
          if (n == 0) continue;
          p[0][r] += n;
          p[1][g] += n;
          p[2][b] += n;
        }
    return p;
  }

  void Shrink(Box& box) const {
    auto p = Projections(box);
    box.count = 0;
    for (int v = box.lo[0]; v <= box.hi[0]; ++v) box.count += p[0][v];
    for (int c = 0; c < 3; ++c) {
      while (box.lo[c] < box.hi[c] && p[c][box.lo[c]] == 0) ++box.lo[c];
      while (box.hi[c] > box.lo[c] && p[c][box.hi[c]] == 0) --box.hi[c];
    }
  }

  bool Split(Box& box, Box& upper) const {
    int side = LongestSide(box);
    if (box.hi[side] == box.lo[side]) return false;
    auto p = Projections(box);
    std::uint64_t half = box.count / 2, seen = 0;
    int cut = box.lo[side];
    for (; cut < box.hi[side] - 1; ++cut) {
      seen += p[side][cut];
      if (seen >= half) break;
    }
    upper = box;
    box.hi[side] = cut;
    upper.lo[side] = cut + 1;
    Shrink(box);
    Shrink(upper);
    return true;
  }

  const std::vector<std::uint32_t>& histogram_;
};

// Nearest palette colour per 6-bit cell, found on first use.
class NearestMap {
 public:
  explicit NearestMap(const std::vector<Rgb>& palette) : palette_(palette), cache_(kBins, -1) {}

  std::uint8_t Find(int r, int g, int b) {
    int bin = BinOf(r, g, b);
    if (cache_[bin] < 0) {
      int cr = (r & ~3) | 2, cg = (g & ~3) | 2, cb = (b & ~3) | 2;
      int best = 0, bestDistance = 1 << 30;
      for (std::size_t i = 0; i < palette_.size(); ++i) {
        int dr = cr - palette_[i].r, dg = cg - palette_[i].g, db = cb - palette_[i].b;
        int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = static_cast<int>(i);
        }
      }
      cache_[bin] = static_cast<std::int16_t>(best);
    }
    return static_cast<std::uint8_t>(cache_[bin]);
  }

 private:
  const std::vector<Rgb>& palette_;
  std::vector<std::int16_t> cache_;
};

constexpr std::array<std::array<std::uint8_t, 8>, 8> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

// Maps every pixel through the palette; `spread` is the dither amplitude in
// colour steps (0 for none).
int MapPixels(const Image& rgb, const std::vector<Rgb>& palette, int spread,
              ProgressStage& progress, Image& out) {
  Image result;
  try {
    result.width = rgb.width;
    result.height = rgb.height;
    result.palette = palette;
    result.pixels.resize(static_cast<std::size_t>(rgb.width) * rgb.height);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  NearestMap nearest(result.palette);
  for (int y = 0; y < rgb.height; ++y) {
    const std::uint8_t* s = rgb.Row(y);
    std::uint8_t* d = result.Row(y);
    for (int x = 0; x < rgb.width; ++x, s += 3) {
      int offset = spread == 0 ? 0 : (kBayer[y & 7][x & 7] - 32) * spread / 64;
      d[x] = nearest.Find(std::clamp(s[0] + offset, 0, 255), std::clamp(s[1] + offset, 0, 255),
                          std::clamp(s[2] + offset, 0, 255));
    }
    if (progress.Step()) return kImgErrStopped;
  }
  out = std::move(result);
  return kImgOk;
}

// The picture's own colours when there are at most maxColours of them, so a
// drawing or an already reduced picture comes through unchanged.
bool ExactPalette(const Image& rgb, int maxColours, std::vector<Rgb>& palette) {
  std::unordered_map<std::uint32_t, int> seen;
  const std::uint8_t* s = rgb.pixels.data();
  for (std::size_t i = 0, n = rgb.pixels.size() / 3; i < n; ++i, s += 3) {
    std::uint32_t key = std::uint32_t{s[0]} << 16 | s[1] << 8 | s[2];
    if (seen.emplace(key, 0).second && static_cast<int>(seen.size()) > maxColours) return false;
  }
  palette.clear();
  for (const auto& [key, unused] : seen)
    palette.push_back(Rgb{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                          static_cast<std::uint8_t>(key)});
  std::sort(palette.begin(), palette.end(), [](Rgb a, Rgb b) {
    return (a.r << 16 | a.g << 8 | a.b) < (b.r << 16 | b.g << 8 | b.b);
  });
  return true;
}

Image ExactMap(const Image& rgb, std::vector<Rgb> palette) {
  std::unordered_map<std::uint32_t, std::uint8_t> index;
  for (std::size_t i = 0; i < palette.size(); ++i)
    index[std::uint32_t{palette[i].r} << 16 | palette[i].g << 8 | palette[i].b] =
        static_cast<std::uint8_t>(i);
  Image out;
  out.width = rgb.width;
  out.height = rgb.height;
  out.palette = std::move(palette);
  out.pixels.resize(static_cast<std::size_t>(rgb.width) * rgb.height);
  const std::uint8_t* s = rgb.pixels.data();
  for (std::uint8_t& d : out.pixels) {
    d = index[std::uint32_t{s[0]} << 16 | s[1] << 8 | s[2]];
    s += 3;
  }
  return out;
}

}  // namespace

int Quantise(const Image& source, int maxColours, bool dither, Image& out) {
  if (maxColours < 2 || maxColours > 256) return kImgErrBadArgument;
  try {
    const Image rgb = ToRgb(source);
    std::vector<Rgb> palette;
    if (ExactPalette(rgb, maxColours, palette)) {
      out = ExactMap(rgb, std::move(palette));
      return kImgOk;
    }
    ProgressStage progress(3 * rgb.height);
    std::vector<std::uint32_t> histogram(kBins);
    for (int y = 0; y < rgb.height; ++y) {
      const std::uint8_t* s = rgb.Row(y);
      for (int x = 0; x < rgb.width; ++x, s += 3) ++histogram[BinOf(s[0], s[1], s[2])];
      if (progress.Step()) return kImgErrStopped;
    }
    std::vector<Box> boxes = MedianCut(histogram).Cut(maxColours);
    // Each palette colour is the mean of the pixels its box holds, measured
    // at full precision.
    std::vector<std::uint16_t> boxOfBin(kBins);
    for (std::size_t i = 0; i < boxes.size(); ++i)
      for (int r = boxes[i].lo[0]; r <= boxes[i].hi[0]; ++r)
        for (int g = boxes[i].lo[1]; g <= boxes[i].hi[1]; ++g)
          for (int b = boxes[i].lo[2]; b <= boxes[i].hi[2]; ++b)
            boxOfBin[(r << (2 * kBits)) | (g << kBits) | b] = static_cast<std::uint16_t>(i);
    std::vector<std::array<std::uint64_t, 4>> sums(boxes.size());
    for (int y = 0; y < rgb.height; ++y) {
      const std::uint8_t* s = rgb.Row(y);
      for (int x = 0; x < rgb.width; ++x, s += 3) {
        auto& sum = sums[boxOfBin[BinOf(s[0], s[1], s[2])]];
        sum[0] += s[0];
        sum[1] += s[1];
        sum[2] += s[2];
        ++sum[3];
      }
      if (progress.Step()) return kImgErrStopped;
    }
    for (const auto& sum : sums) {
      if (sum[3] == 0) continue;
      palette.push_back(Rgb{static_cast<std::uint8_t>((sum[0] + sum[3] / 2) / sum[3]),
                            static_cast<std::uint8_t>((sum[1] + sum[3] / 2) / sum[3]),
                            static_cast<std::uint8_t>((sum[2] + sum[3] / 2) / sum[3])});
    }
    int spread = dither ? std::clamp(256 / maxColours * 4, 8, 64) : 0;
    return MapPixels(rgb, palette, spread, progress, out);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
}

int ReduceToDisplayColours(const Image& source, Image& out) {
  static const std::vector<Rgb> kDisplayColours = {
      {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
  try {
    const Image rgb = ToRgb(source);
    ProgressStage progress(rgb.height);
    return MapPixels(rgb, kDisplayColours, 128, progress, out);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
}

}  // namespace lumi::imaging
