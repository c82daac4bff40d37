#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

TEST(Handles, MisuseIsReportedForEveryCall) {
  int handle = HandleFor(Solid(4, 4, {9, 9, 9}));
  int other = HandleFor(Solid(4, 4, {9, 9, 9}));
  EXPECT_NE(handle, other);
  ASSERT_EQ(ImgFree(handle), kImgOk);
  EXPECT_EQ(ImgFree(handle), kImgErrBadHandle);  // freed twice
  std::vector<std::uint8_t> dib;
  const std::string path = TempPath("never.bmp");
  const std::function<int(int)> calls[] = {
      [](int h) { return ImgFree(h); },
      [](int h) { return ImgResizeSmooth(h, 2, 2); },
      [](int h) { return ImgToGrey(h); },
      [](int h) { return ImgReduceColors(h, 99, 0, 236); },
      [&](int h) { return ImgSaveFile(h, path.c_str(), kSaveWindowsBitmap); },
      [&](int h) {
        return ImgComposeFile(h, DataPath("palette4.bmp").c_str(), kRopSourceCopy, 0, 0);
      },
      [&](int h) { return ImgGetPackedDib(h, dib, nullptr, nullptr, nullptr); },
      [](int h) { return ImgGetInfo(h, nullptr, nullptr, nullptr); },
  };
  for (int bad : {handle, -1, -7, other + 1000}) {
    for (std::size_t i = 0; i < std::size(calls); ++i)
      EXPECT_EQ(calls[i](bad), kImgErrBadHandle) << "call " << i;
  }
  // The handle that stayed is untouched by all of that.
  EXPECT_EQ(ReadBack(other).width, 4);
  EXPECT_EQ(ImgFree(other), kImgOk);
  int fresh = HandleFor(Solid(4, 4, {9, 9, 9}));
  EXPECT_NE(fresh, handle);  // a freed handle is not given out again
  ImgFree(fresh);
}

TEST(Handles, InfoTellsSizeAndDepthOfEveryKind) {
  const std::function<int(int)> prepare[] = {
      [](int) { return kImgOk; },
      [](int h) { return ImgReduceColors(h, 8, 0, 236); },
      [](int h) { return ImgReduceLowColor(h); },
  };
  const int depths[] = {24, 8, 4};
  std::vector<std::uint8_t> bytes = ReadDataFile("baseline444.jpg");
  for (std::size_t i = 0; i < std::size(prepare); ++i) {
    int handle = ImgDecodeMemory(bytes.data(), bytes.size());
    ASSERT_EQ(prepare[i](handle), kImgOk);
    int width = 0, height = 0, bits = 0;
    ASSERT_EQ(ImgGetInfo(handle, &width, &height, &bits), kImgOk);
    const Image picture = ReadBack(handle);
    EXPECT_EQ(width, picture.width);
    EXPECT_EQ(height, picture.height);
    EXPECT_EQ(bits, depths[i]);
    // Any of the outputs may be left out.
    EXPECT_EQ(ImgGetInfo(handle, nullptr, &height, nullptr), kImgOk);
    ImgFree(handle);
  }
}

TEST(Handles, BlocksLiveUntilUnusedOrTheImageIsFreed) {
  struct Block {
    bool inUse = false;
    bool released = false;
  };
  auto release = [](void* p, bool final) {
    auto* block = static_cast<Block*>(p);
    if (block->inUse && !final) return false;
    block->released = true;
    return true;
  };
  Block first, second, third;
  first.inUse = true;
  int handle = HandleFor(Solid(4, 4, {9, 9, 9}));
  ASSERT_EQ(ImgAttach(handle, &first, release), kImgOk);
  ASSERT_EQ(ImgAttach(handle, &second, release), kImgOk);
  ASSERT_EQ(ImgAttach(handle, &third, release), kImgOk);
  EXPECT_FALSE(first.released);  // still locked by the caller
  EXPECT_TRUE(second.released);
  EXPECT_FALSE(third.released);
  ImgFree(handle);
  EXPECT_TRUE(first.released);
  EXPECT_TRUE(third.released);
}

TEST(Files, SavedBitmapReadsBackIdenticallyInEveryDepth) {
  std::vector<std::uint8_t> bytes = ReadDataFile("baseline444.jpg");
  const std::function<int(int)> prepare[] = {
      [](int) { return kImgOk; },                           // 24-bit
      [](int h) { return ImgReduceColors(h, 8, 0, 236); },  // 8-bit with its palette
      [](int h) { return ImgReduceLowColor(h); },           // 4-bit
  };
  const std::string path = TempPath("roundtrip.bmp");
  for (const auto& step : prepare) {
    int handle = ImgDecodeMemory(bytes.data(), bytes.size());
    ASSERT_EQ(step(handle), kImgOk);
    ASSERT_EQ(ImgSaveFile(handle, path.c_str(), kSaveWindowsBitmap), kImgOk);
    int again = ImgDecodeFile(path.c_str());
    ASSERT_GE(again, 0);
    EXPECT_EQ(MeanAbsDifference(ReadBack(again), ReadBack(handle)), 0.0);
    ImgFree(again);
    ImgFree(handle);
  }
  std::remove(path.c_str());
  int handle = HandleFor(Solid(4, 4, {9, 9, 9}));
  EXPECT_EQ(ImgSaveFile(handle, TempPath("no-such-dir/x.bmp").c_str(), kSaveWindowsBitmap),
            kImgErrFile);
  EXPECT_EQ(ImgSaveFile(handle, path.c_str(), 2), kImgErrUnsupported);
  ImgFree(handle);
}

TEST(Compose, OverlayIsCopiedAtItsPlaceAndClipped) {
  const Rgb base{200, 0, 0}, ink{0, 0, 255};
  const std::string overlayPath = TempPath("overlay.bmp");
  int overlay = HandleFor(Solid(8, 6, ink));
  ASSERT_EQ(ImgSaveFile(overlay, overlayPath.c_str(), kSaveWindowsBitmap), kImgOk);
  ImgFree(overlay);
  struct Place {
    int x, y;
  };
  for (Place p : {Place{3, 4}, Place{15, 17}, Place{-5, -2}, Place{40, 0}}) {
    int handle = HandleFor(Solid(20, 20, base));
    int composed = ImgComposeFile(handle, overlayPath.c_str(), kRopSourceCopy, p.x, p.y);
    ASSERT_GE(composed, 0);
    EXPECT_EQ(ReadBack(handle).At(p.x > 0 && p.x < 20 ? p.x : 0, p.y > 0 ? p.y : 0),
              base);  // old one unchanged
    Image out = ReadBack(composed);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        bool inside = x >= p.x && x < p.x + 8 && y >= p.y && y < p.y + 6;
        ASSERT_EQ(out.At(x, y), inside ? ink : base)
            << p.x << "," << p.y << " at " << x << "," << y;
      }
    EXPECT_EQ(ImgComposeFile(handle, overlayPath.c_str(), 0x00EE0086, 0, 0), kImgErrUnsupported);
    ImgFree(composed);
    ImgFree(handle);
  }
  std::remove(overlayPath.c_str());
}

}  // namespace
}  // namespace lumi::imaging::test
