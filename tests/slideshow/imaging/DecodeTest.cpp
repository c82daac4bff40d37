#include <gtest/gtest.h>

#include <cstring>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

struct Variant {
  const char* jpeg;
  const char* reference;  // the same file decoded by an independent decoder
  double maxMeanDifference;
};

class DecodeVariant : public testing::TestWithParam<Variant> {};

TEST_P(DecodeVariant, MatchesIndependentDecoder) {
  const Variant& v = GetParam();
  std::vector<std::uint8_t> bytes = ReadDataFile(v.jpeg);
  for (bool fromFile : {false, true}) {
    int handle = fromFile ? ImgDecodeFile(DataPath(v.jpeg).c_str())
                          : ImgDecodeMemory(bytes.data(), bytes.size());
    ASSERT_GE(handle, 0) << v.jpeg;
    EXPECT_LT(MeanAbsDifference(ReadBack(handle), ReadPnm(v.reference)), v.maxMeanDifference)
        << v.jpeg;
    EXPECT_EQ(ImgFree(handle), kImgOk);
  }
}

// Chroma upsampling differs a little between decoders; full-resolution
// chroma and grey must agree almost exactly.
INSTANTIATE_TEST_SUITE_P(Variants, DecodeVariant,
                         testing::Values(Variant{"baseline420.jpg", "baseline420.ppm", 2.0},
                                         Variant{"baseline444.jpg", "baseline444.ppm", 0.6},
                                         Variant{"progressive.jpg", "progressive.ppm", 2.0},
                                         Variant{"grey.jpg", "grey.ppm", 0.6},
                                         Variant{"restart.jpg", "restart.ppm", 2.0},
                                         Variant{"magick422.jpg", "magick422.ppm", 2.0},
                                         Variant{"palette4.bmp", "palette4.ppm", 0.01}));

TEST(Decode, DamagedInputFailsWithoutAHandle) {
  const std::vector<std::uint8_t> good = ReadDataFile("baseline420.jpg");
  const std::vector<std::uint8_t> progressive = ReadDataFile("progressive.jpg");
  const std::vector<std::uint8_t> bmp = ReadDataFile("palette4.bmp");
  auto cut = [](std::vector<std::uint8_t> v, double keep) {
    v.resize(static_cast<std::size_t>(v.size() * keep));
    return v;
  };
  auto frame = [&](int components) {  // the frame header's component count, corrupted
    std::vector<std::uint8_t> v = good;
    for (std::size_t i = 0; i + 9 < v.size(); ++i)
      if (v[i] == 0xFF && v[i + 1] == 0xC0) v[i + 9] = static_cast<std::uint8_t>(components);
    return v;
  };
  auto hugeTable = [&] {  // a Huffman table claiming 16 x 255 codes
    std::vector<std::uint8_t> v = good;
    const std::uint8_t table[] = {0xFF, 0xC4, 0x00, 0x13, 0x00, 255, 255, 255, 255, 255, 255,
                                  255,  255,  255,  255,  255,  255, 255, 255, 255, 255};
    v.insert(v.begin() + 2, std::begin(table), std::end(table));
    return v;
  };
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},
      {0xFF, 0xD8},
      cut(good, 0.3),
      cut(good, 0.8),
      cut(good, 0.995),
      cut(progressive, 0.6),
      cut(bmp, 0.5),
      frame(0),
      frame(7),
      hugeTable(),
      std::vector<std::uint8_t>(300, 0xFF),
      std::vector<std::uint8_t>{'B', 'M', 1, 2, 3, 4, 5},
  };
  const int live = ImgLiveCount();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    int handle = ImgDecodeMemory(c.empty() ? "" : static_cast<const void*>(c.data()), c.size());
    EXPECT_LT(handle, 0) << "case " << i;
    if (handle >= 0) ImgFree(handle);
  }
  EXPECT_EQ(ImgLiveCount(), live);
  EXPECT_EQ(ImgDecodeMemory(nullptr, 10), kImgErrBadArgument);
  EXPECT_EQ(ImgDecodeFile(TempPath("does-not-exist.jpg").c_str()), kImgErrFile);
}

TEST(Decode, QueryGivesSizeAndDepthWithoutAHandle) {
  ImgQueryInfo info{};
  const int live = ImgLiveCount();
  for (const char* name : {"progressive.jpg", "grey.jpg"}) {
    ASSERT_EQ(ImgQueryFile(DataPath(name).c_str(), &info), kImgOk);
    std::int32_t words[10];
    std::memcpy(words, &info, sizeof words);
    EXPECT_EQ(words[1], 47);  // the second and third 32-bit values, as callers read them
    EXPECT_EQ(words[2], 37);
    EXPECT_EQ(info.bitCount, name[0] == 'g' ? 8 : 24);
  }
  EXPECT_EQ(ImgLiveCount(), live);
  EXPECT_EQ(ImgQueryFile(TempPath("missing.bmp").c_str(), &info), kImgErrFile);
  EXPECT_EQ(ImgQueryFile(DataPath("progressive.jpg").c_str(), nullptr), kImgErrBadArgument);
}

}  // namespace
}  // namespace lumi::imaging::test
