#include "imaging/Image.h"

#include "imaging/ImagingApi.h"

namespace lumi::imaging {

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
