#include "Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace samplegen {
namespace {

using Colour = std::array<std::uint8_t, 3>;

struct Box {
  std::size_t begin, end;  // range in the colour list
  int channel = 0;         // widest channel
  int extent = -1;         // its spread
};

void Measure(const std::vector<Colour>& colours, Box& box) {
  Colour lo{255, 255, 255}, hi{0, 0, 0};
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) {
      lo[c] = std::min(lo[c], colours[i][c]);
      hi[c] = std::max(hi[c], colours[i][c]);
    }
  }
  box.extent = -1;
  for (int c = 0; c < 3; ++c) {
    if (hi[c] - lo[c] > box.extent) {
      box.extent = hi[c] - lo[c];
      box.channel = c;
    }
  }
}

int Nearest(const std::vector<Colour>& palette, const Colour& p) {
  int best = 0, bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
      int e = p[c] - palette[i][c];
      d += e * e;
    }
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

int ThumbnailHeight(int width, int height) {
  if (width <= 0 || height <= 0) return 1;
  long long h = (static_cast<long long>(kThumbnailWidth) * height + width / 2) / width;
  return static_cast<int>(std::max(1LL, h));
}

Image Shrink(const Image& source, int width, int height) {
  Image out;
  out.width = width;
  out.height = height;
  out.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  const double sx = static_cast<double>(source.width) / width;
  const double sy = static_cast<double>(source.height) / height;
  for (int y = 0; y < height; ++y) {
    double y0 = y * sy, y1 = (y + 1) * sy;
    for (int x = 0; x < width; ++x) {
      double x0 = x * sx, x1 = (x + 1) * sx;
      double sum[3] = {0, 0, 0}, total = 0;
      for (int py = static_cast<int>(y0);
           py < std::min(source.height, static_cast<int>(std::ceil(y1))); ++py) {
        double wy = std::min<double>(py + 1, y1) - std::max<double>(py, y0);
        for (int px = static_cast<int>(x0);
             px < std::min(source.width, static_cast<int>(std::ceil(x1))); ++px) {
          double w = wy * (std::min<double>(px + 1, x1) - std::max<double>(px, x0));
          const std::uint8_t* p = source.At(px, py);
          for (int c = 0; c < 3; ++c) sum[c] += w * p[c];
          total += w;
        }
      }
      std::uint8_t* q = &out.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      for (int c = 0; c < 3; ++c) q[c] = static_cast<std::uint8_t>(std::lround(sum[c] / total));
    }
  }
  return out;
}

IndexedImage Quantize(const Image& image, int colours) {
  std::vector<Colour> pixels;
  pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
    pixels.push_back({image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]});
  }
  // Boxes are cut between distinct colours, never through one, so a picture
  // of at most `colours` colours keeps every one of them exactly.
  std::map<Colour, unsigned> histogram;
  for (const Colour& p : pixels) ++histogram[p];
  std::vector<Colour> unique;
  std::vector<unsigned> counts;
  for (const auto& [colour, count] : histogram) {
    unique.push_back(colour);
    counts.push_back(count);
  }
  std::vector<std::size_t> order(unique.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::vector<Colour> sorted = unique;
  std::vector<Box> boxes{{0, sorted.size()}};
  Measure(sorted, boxes[0]);
  while (static_cast<int>(boxes.size()) < colours) {
    // Split the box with the widest spread; ties go to the earlier box.
    auto widest = std::max_element(boxes.begin(), boxes.end(),
                                   [](const Box& a, const Box& b) { return a.extent < b.extent; });
    if (widest->extent <= 0) break;
    Box box = *widest;
    int ch = box.channel;
    auto first = order.begin() + static_cast<std::ptrdiff_t>(box.begin);
    auto last = order.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [&unique, ch](std::size_t a, std::size_t b) {
      return unique[a][ch] != unique[b][ch] ? unique[a][ch] < unique[b][ch] : unique[a] < unique[b];
    });
    for (std::size_t i = box.begin; i < box.end; ++i) sorted[i] = unique[order[i]];
    // The cut falls where half the box's pixels lie on either side.
    unsigned long total = 0, running = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) total += counts[order[i]];
    std::size_t mid = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      running += counts[order[i]];
      mid = i + 1;
      if (running * 2 >= total) break;
    }
    Box lower{box.begin, mid}, upper{mid, box.end};
    Measure(sorted, lower);
    Measure(sorted, upper);
    *widest = lower;
    boxes.push_back(upper);
  }

  IndexedImage out;
  out.width = image.width;
  out.height = image.height;
  for (const Box& box : boxes) {
    unsigned long sum[3] = {0, 0, 0}, n = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (int c = 0; c < 3; ++c)
        sum[c] += static_cast<unsigned long>(sorted[i][c]) * counts[order[i]];
      n += counts[order[i]];
    }
    n = std::max<unsigned long>(1, n);
    out.palette.push_back({static_cast<std::uint8_t>((sum[0] + n / 2) / n),
                           static_cast<std::uint8_t>((sum[1] + n / 2) / n),
                           static_cast<std::uint8_t>((sum[2] + n / 2) / n)});
  }
  std::map<Colour, std::uint8_t> nearest;
  for (const Colour& p : unique) nearest[p] = static_cast<std::uint8_t>(Nearest(out.palette, p));
  out.indices.reserve(pixels.size());
  for (const Colour& p : pixels) out.indices.push_back(nearest[p]);
  return out;
}

Bytes MakeThumbnail(const Image& picture) {
  Image small = Shrink(picture, kThumbnailWidth, ThumbnailHeight(picture.width, picture.height));
  return EncodeBmp8(Quantize(small, 256));
}

}  // namespace samplegen
