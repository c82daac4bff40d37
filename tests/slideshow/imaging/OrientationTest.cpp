#include <gtest/gtest.h>

#include <string>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

// An Exif segment holding only the orientation tag, in either byte order.
std::vector<std::uint8_t> ExifSegment(int orientation, bool bigEndian) {
  using namespace std::string_literals;
  const char o = static_cast<char>(orientation);
  std::string segment = "\xFF\xE1\0\0Exif\0\0"s;
  segment += bigEndian ? "MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0"s + o + "\0\0\0\0\0\0"s
                       : "II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0"s + o + "\0\0\0\0\0\0\0"s;
  segment[3] = static_cast<char>(segment.size() - 2);
  return {segment.begin(), segment.end()};
}

std::vector<std::uint8_t> WithExif(int orientation, bool bigEndian) {
  std::vector<std::uint8_t> jpeg = ReadDataFile("baseline444.jpg");
  std::vector<std::uint8_t> segment = ExifSegment(orientation, bigEndian);
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

// The test picture's corners are red, yellow, blue and green (clockwise from
// the top left: R, Y, G, B).
char Nearest(Rgb c) {
  const std::pair<char, Rgb> named[] = {
      {'R', {255, 0, 0}}, {'Y', {255, 255, 0}}, {'B', {0, 0, 255}}, {'G', {0, 128, 0}}};
  char best = '?';
  int bestDistance = 1 << 30;
  for (auto [name, n] : named) {
    int d = (c.r - n.r) * (c.r - n.r) + (c.g - n.g) * (c.g - n.g) + (c.b - n.b) * (c.b - n.b);
    if (d < bestDistance) {
      bestDistance = d;
      best = name;
    }
  }
  return best;
}

struct Case {
  int orientation;
  const char* corners;  // top left, top right, bottom left, bottom right as shown
};

class ExifOrientation : public testing::TestWithParam<Case> {};

TEST_P(ExifOrientation, PictureIsShownUpright) {
  for (bool bigEndian : {false, true}) {
    std::vector<std::uint8_t> jpeg = WithExif(GetParam().orientation, bigEndian);
    int handle = ImgDecodeMemory(jpeg.data(), jpeg.size());
    ASSERT_GE(handle, 0);
    Image shown = ReadBack(handle);
    ImgFree(handle);
    bool turned = GetParam().orientation >= 5 && GetParam().orientation <= 8;
    EXPECT_EQ(shown.width, turned ? 37 : 47);
    EXPECT_EQ(shown.height, turned ? 47 : 37);
    int r = shown.width - 3, b = shown.height - 3;
    std::string corners = {Nearest(shown.At(2, 2)), Nearest(shown.At(r, 2)),
                           Nearest(shown.At(2, b)), Nearest(shown.At(r, b))};
    EXPECT_EQ(corners, GetParam().corners) << "orientation " << GetParam().orientation;
    ImgQueryInfo info{};
    ASSERT_EQ(ImgQueryMemory(jpeg.data(), jpeg.size(), &info), kImgOk);
    EXPECT_EQ(info.width, shown.width);
    EXPECT_EQ(info.height, shown.height);
  }
}

INSTANTIATE_TEST_SUITE_P(AllEight, ExifOrientation,
                         testing::Values(Case{1, "RYBG"}, Case{2, "YRGB"}, Case{3, "GBYR"},
                                         Case{4, "BGRY"}, Case{5, "RBYG"}, Case{6, "BRGY"},
                                         Case{7, "GYBR"}, Case{8, "YGRB"}, Case{0, "RYBG"},
                                         Case{9, "RYBG"}));

}  // namespace
}  // namespace lumi::imaging::test
