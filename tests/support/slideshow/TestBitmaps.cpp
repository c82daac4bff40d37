#include "tests/support/slideshow/TestBitmaps.h"

#include <cstdio>
#include <filesystem>

namespace lumi::test {
namespace {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v);
  Put16(b, at + 2, v >> 16);
}

std::vector<std::uint8_t> Headers(int width, int height, int bits, int colours,
                                  std::size_t stride) {
  const std::size_t bitsAt = 14 + 40 + 4 * static_cast<std::size_t>(colours);
  std::vector<std::uint8_t> b(bitsAt + stride * height);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(bitsAt));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bits));
  Put32(b, 46, static_cast<std::uint32_t>(colours));
  return b;
}

}  // namespace

std::vector<std::uint8_t> MakeBitmapFile(int width, int height,
                                         const std::function<Rgb8(int x, int y)>& colour) {
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> b = Headers(width, height, 24, 0, stride);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &b[54 + stride * (height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      const Rgb8 c = colour(x, y);
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  return b;
}

std::vector<std::uint8_t> SolidBitmapFile(int width, int height, Rgb8 colour) {
  return MakeBitmapFile(width, height, [colour](int, int) { return colour; });
}

std::vector<std::uint8_t> MakePaletteBitmapFile(int width, int height,
                                                const std::vector<Rgb8>& table,
                                                const std::function<int(int x, int y)>& index) {
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
  const int colours = static_cast<int>(table.size());
  std::vector<std::uint8_t> b = Headers(width, height, 8, colours, stride);
  for (int i = 0; i < colours; ++i) {
    b[54 + 4 * i] = table[i].b;
    b[55 + 4 * i] = table[i].g;
    b[56 + 4 * i] = table[i].r;
  }
  const std::size_t bitsAt = 54 + 4 * static_cast<std::size_t>(colours);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b[bitsAt + stride * (height - 1 - y) + x] = static_cast<std::uint8_t>(index(x, y));
    }
  }
  return b;
}

std::string WriteScratchFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "lumishow-pipeline-test";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return {};
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}

}  // namespace lumi::test
