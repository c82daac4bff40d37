#include "tests/slideshow/imaging/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "slideshow/engine/imaging/HandleTable.h"
#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging::test {
namespace {

std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24;
}

}  // namespace

std::string DataPath(const std::string& name) {
  return std::string(IMAGING_TEST_DATA) + "/" + name;
}

std::string TempPath(const std::string& name) {
  const char* dir = std::getenv("TEMP");
  if (dir == nullptr) dir = std::getenv("TMPDIR");
  return std::string(dir != nullptr ? dir : "/tmp") + "/lumi_imaging_" + name;
}

std::vector<std::uint8_t> ReadDataFile(const std::string& name) {
  std::ifstream in(DataPath(name), std::ios::binary);
  EXPECT_TRUE(in.good()) << DataPath(name);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Image ReadPnm(const std::string& name) {
  std::vector<std::uint8_t> bytes = ReadDataFile(name);
  std::string text(bytes.begin(), bytes.end());
  std::istringstream in(text);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  in >> magic >> width >> height >> maxValue;
  in.get();
  Image image;
  image.width = width;
  image.height = height;
  std::size_t at = static_cast<std::size_t>(in.tellg());
  int channels = magic == "P5" ? 1 : 3;
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i)
    for (int c = 0; c < 3; ++c)
      image.pixels.push_back(bytes.at(at + i * channels + (channels == 3 ? c : 0)));
  return image;
}

int HandleFor(const Image& rgb) { return AddImage(rgb); }

Image ReadBack(int handle) {
  std::vector<std::uint8_t> dib;
  int width = 0, height = 0, bits = 0;
  EXPECT_EQ(ImgGetPackedDib(handle, dib, &width, &height, &bits), kImgOk);
  Image out;
  if (dib.size() < 40) return out;
  out.width = width;
  out.height = height;
  EXPECT_EQ(Get32(&dib[0]), 40u);
  EXPECT_EQ(static_cast<int>(Get32(&dib[4])), width);
  EXPECT_EQ(static_cast<int>(Get32(&dib[8])), height);
  EXPECT_EQ(dib[14], bits);
  std::uint32_t colours = Get32(&dib[32]);
  const std::uint8_t* table = &dib[40];
  const std::uint8_t* pixels = table + 4 * colours;
  std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  EXPECT_EQ(dib.size(), 40 + 4 * colours + stride * height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = pixels + stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      Rgb c;
      if (bits == 24) {
        c = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
      } else {
        unsigned index = bits == 8 ? row[x] : (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15);
        EXPECT_LT(index, colours);
        c = Rgb{table[4 * index + 2], table[4 * index + 1], table[4 * index]};
      }
      out.pixels.insert(out.pixels.end(), {c.r, c.g, c.b});
    }
  }
  return out;
}

Image Solid(int width, int height, Rgb colour) {
  Image image;
  image.width = width;
  image.height = height;
  for (int i = 0; i < width * height; ++i)
    image.pixels.insert(image.pixels.end(), {colour.r, colour.g, colour.b});
  return image;
}

double MeanAbsDifference(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) return 1e9;
  double sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i)
    sum += std::abs(int{a.pixels[i]} - int{b.pixels[i]});
  return sum / static_cast<double>(a.pixels.size());
}

}  // namespace lumi::imaging::test
