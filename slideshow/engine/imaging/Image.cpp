#include "slideshow/engine/imaging/Image.h"

#include <mutex>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging {
namespace {

// Two pictures' worth: the one shown and the one being made. Only blocks up
// to a large photograph are kept, so a rare huge picture does not stay
// reserved in a 32-bit address space.
constexpr std::size_t kKeptBlocks = 2;
constexpr std::size_t kLargestKept = 24u << 20;

struct PixelPool {
  std::mutex mutex;
  std::vector<std::vector<std::uint8_t>> kept;
};

PixelPool& ThePool() {
  static PixelPool pool;
  return pool;
}

}  // namespace

std::vector<std::uint8_t> TakePixels(std::size_t size) {
  std::vector<std::uint8_t> pixels;
  {
    PixelPool& pool = ThePool();
    std::lock_guard lock(pool.mutex);
    // The smallest kept block that is large enough.
    auto best = pool.kept.end();
    for (auto it = pool.kept.begin(); it != pool.kept.end(); ++it)
      if (it->capacity() >= size && (best == pool.kept.end() || it->capacity() < best->capacity()))
        best = it;
    if (best != pool.kept.end()) {
      pixels.swap(*best);
      pool.kept.erase(best);
    }
  }
  pixels.resize(size);  // within the capacity only bytes past the old size are cleared
  return pixels;
}

void GiveBackPixels(std::vector<std::uint8_t>&& pixels) noexcept {
  if (pixels.empty() || pixels.capacity() > kLargestKept) return;
  std::vector<std::uint8_t> block = std::move(pixels);
  pixels.clear();
  PixelPool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  if (pool.kept.size() < kKeptBlocks) {
    try {
      pool.kept.push_back(std::move(block));
    } catch (const std::bad_alloc&) {
      // Not kept then; called while pictures are let go, so nothing may throw.
    }
    return;
  }
  // Full: the new block replaces the smallest one if it is larger, since
  // larger blocks serve more pictures.
  auto smallest = pool.kept.begin();
  for (auto it = pool.kept.begin(); it != pool.kept.end(); ++it)
    if (it->capacity() < smallest->capacity()) smallest = it;
  if (block.capacity() > smallest->capacity()) smallest->swap(block);
}

Rgb Image::At(int x, int y) const {
  const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * BytesPerPixel();
  if (HasPalette()) return *p < palette.size() ? palette[*p] : Rgb{};
  return Rgb{p[0], p[1], p[2]};
}

bool AcceptableSize(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

Image ToRgb(const Image& image) {
  if (!image.HasPalette()) return image;
  Image out;
  out.width = image.width;
  out.height = image.height;
  out.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  std::uint8_t* d = out.pixels.data();
  for (std::uint8_t index : image.pixels) {
    Rgb c = index < image.palette.size() ? image.palette[index] : Rgb{};
    *d++ = c.r;
    *d++ = c.g;
    *d++ = c.b;
  }
  return out;
}

}  // namespace lumi::imaging
