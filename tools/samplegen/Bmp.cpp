#include "Encoders.h"

namespace samplegen {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t Stride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

Bytes Headers(int width, int height, int bitsPerPixel, std::uint32_t colours) {
  std::uint32_t imageSize = Stride(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
  std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + colours * 4;
  Bytes out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, colours);
  Put32(out, 0);
  return out;
}

}  // namespace

Bytes EncodeBmp24(const Image& image) {
  Bytes out = Headers(image.width, image.height, 24, 0);
  std::uint32_t padding = Stride(image.width, 24) - static_cast<std::uint32_t>(image.width) * 3;
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    out.insert(out.end(), padding, 0);
  }
  return out;
}

Bytes EncodeBmp8(const IndexedImage& image) {
  Bytes out = Headers(image.width, image.height, 8, 256);
  for (std::size_t i = 0; i < 256; ++i) {
    std::array<std::uint8_t, 3> c{};
    if (i < image.palette.size()) c = image.palette[i];
    out.push_back(c[2]);
    out.push_back(c[1]);
    out.push_back(c[0]);
    out.push_back(0);
  }
  std::uint32_t padding = Stride(image.width, 8) - static_cast<std::uint32_t>(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    auto row = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    out.insert(out.end(), row, row + image.width);
    out.insert(out.end(), padding, 0);
  }
  return out;
}

}  // namespace samplegen
