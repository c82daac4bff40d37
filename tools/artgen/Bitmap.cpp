#include "Bitmap.h"

namespace artgen {

namespace {

void Put16(std::vector<uint8_t>& o, uint32_t v) {
  o.push_back(v & 255);
  o.push_back((v >> 8) & 255);
}
void Put32(std::vector<uint8_t>& o, uint32_t v) {
  Put16(o, v & 0xffff);
  Put16(o, v >> 16);
}
uint32_t Get16(const std::vector<uint8_t>& d, size_t at) { return d[at] | (d[at + 1] << 8); }
uint32_t Get32(const std::vector<uint8_t>& d, size_t at) {
  return Get16(d, at) | (Get16(d, at + 2) << 16);
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// BITMAPINFOHEADER: 40 bytes, one plane, BI_RGB.
void PutInfoHeader(std::vector<uint8_t>& o, int w, int h, int bits, uint32_t imageBytes,
                   uint32_t colours) {
  Put32(o, 40);
  Put32(o, static_cast<uint32_t>(w));
  Put32(o, static_cast<uint32_t>(h));
  Put16(o, 1);
  Put16(o, static_cast<uint32_t>(bits));
  Put32(o, 0);
  Put32(o, imageBytes);
  Put32(o, 2835);  // 72 dpi
  Put32(o, 2835);
  Put32(o, colours);
  Put32(o, 0);
}

std::vector<uint8_t> EncodeBmp(int w, int h, int bits, const std::vector<Rgb8>& table,
                               const std::vector<uint8_t>& rowsTopDown) {
  int stride = RowBytes(w, bits);
  uint32_t imageBytes = static_cast<uint32_t>(stride) * h;
  uint32_t offset = 14 + 40 + static_cast<uint32_t>(table.size()) * 4;
  std::vector<uint8_t> o;
  o.reserve(offset + imageBytes);
  o.push_back('B');
  o.push_back('M');
  Put32(o, offset + imageBytes);
  Put32(o, 0);
  Put32(o, offset);
  PutInfoHeader(o, w, h, bits, imageBytes, static_cast<uint32_t>(table.size()));
  for (const Rgb8& c : table) {
    o.push_back(c.b);
    o.push_back(c.g);
    o.push_back(c.r);
    o.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    auto row = rowsTopDown.begin() + static_cast<ptrdiff_t>(y) * stride;
    o.insert(o.end(), row, row + stride);
  }
  return o;
}

}  // namespace

std::vector<uint8_t> EncodeBmp8(const IndexedImage& img, const PaletteTable& palette) {
  int stride = RowBytes(img.width, 8);
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * img.height, 0);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) rows[static_cast<size_t>(y) * stride + x] = img.At(x, y);
  return EncodeBmp(img.width, img.height, 8, {palette.begin(), palette.end()}, rows);
}

std::vector<uint8_t> EncodeBmp1(const MaskImage& m) {
  int stride = RowBytes(m.width, 1);
  std::vector<uint8_t> rows(static_cast<size_t>(stride) * m.height, 0);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      if (m.At(x, y)) rows[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
  return EncodeBmp(m.width, m.height, 1, {{0, 0, 0}, {255, 255, 255}}, rows);
}

std::vector<uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<uint8_t> o;
  Put16(o, 0);
  Put16(o, 1);  // icon
  Put16(o, static_cast<uint32_t>(images.size()));
  std::vector<std::vector<uint8_t>> bodies;
  for (const IconImage& im : images) {
    // An icon image is a DIB of twice the height: the colour rows, then the
    // 1-bit AND mask (set where the desktop shows through).
    std::vector<uint8_t> b;
    int s = im.size;
    int maskStride = RowBytes(s, 1);
    uint32_t bytes = static_cast<uint32_t>(s * s * 4 + maskStride * s);
    PutInfoHeader(b, s, s * 2, 32, bytes, 0);
    for (int y = s - 1; y >= 0; --y)
      b.insert(b.end(), im.bgra.begin() + static_cast<ptrdiff_t>(y) * s * 4,
               im.bgra.begin() + static_cast<ptrdiff_t>(y + 1) * s * 4);
    for (int y = s - 1; y >= 0; --y) {
      std::vector<uint8_t> row(maskStride, 0);
      for (int x = 0; x < s; ++x)
        if (im.bgra[(static_cast<size_t>(y) * s + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
      b.insert(b.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(b));
  }
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    o.push_back(static_cast<uint8_t>(images[i].size & 255));  // 256 would be 0
    o.push_back(static_cast<uint8_t>(images[i].size & 255));
    o.push_back(0);  // no colour table
    o.push_back(0);
    Put16(o, 1);
    Put16(o, 32);
    Put32(o, static_cast<uint32_t>(bodies[i].size()));
    Put32(o, offset);
    offset += static_cast<uint32_t>(bodies[i].size());
  }
  for (const auto& b : bodies) o.insert(o.end(), b.begin(), b.end());
  return o;
}

std::optional<DecodedBmp> DecodeBmp(const std::vector<uint8_t>& d, std::string& error) {
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
    error = "not a bitmap file";
    return std::nullopt;
  }
  DecodedBmp b;
  uint32_t fileSize = Get32(d, 2), offset = Get32(d, 10), headerSize = Get32(d, 14);
  b.width = static_cast<int32_t>(Get32(d, 18));
  int32_t h = static_cast<int32_t>(Get32(d, 22));
  b.bitsPerPixel = static_cast<int>(Get16(d, 28));
  b.compression = Get32(d, 30);
  b.colorsUsed = Get32(d, 46);
  if (fileSize != d.size() || headerSize != 40 || Get16(d, 26) != 1) {
    error = "bad header";
    return std::nullopt;
  }
  if (b.width <= 0 || h <= 0 || (b.bitsPerPixel != 1 && b.bitsPerPixel != 8)) {
    error = "unsupported bitmap shape";
    return std::nullopt;
  }
  b.height = h;
  uint32_t colours = b.colorsUsed ? b.colorsUsed : (1u << b.bitsPerPixel);
  if (offset != 54 + colours * 4) {
    error = "pixel data does not follow the colour table";
    return std::nullopt;
  }
  for (uint32_t i = 0; i < colours; ++i)
    b.colorTable.push_back({d[54 + i * 4 + 2], d[54 + i * 4 + 1], d[54 + i * 4]});
  int stride = RowBytes(b.width, b.bitsPerPixel);
  if (offset + static_cast<size_t>(stride) * h != d.size()) {
    error = "pixel data size does not match the header";
    return std::nullopt;
  }
  b.indices.resize(static_cast<size_t>(b.width) * h);
  for (int y = 0; y < h; ++y) {
    size_t row = offset + static_cast<size_t>(h - 1 - y) * stride;
    for (int x = 0; x < b.width; ++x) {
      uint8_t v = b.bitsPerPixel == 8 ? d[row + x] : (d[row + x / 8] >> (7 - x % 8)) & 1;
      b.indices[static_cast<size_t>(y) * b.width + x] = v;
    }
  }
  return b;
}

}  // namespace artgen
