// Memory is kept from picture to picture (pixel blocks, the decoder's
// buffers, bitmap blocks); none of it may carry one picture into the next.
#include <gtest/gtest.h>

#include <cstring>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include "slideshow/engine/imaging/DecoderMemory.h"
#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

// Smooth colour ramps with a diagonal band, wide enough that every row is
// colour-converted in several pieces.
Image Photo(int width, int height) {
  Image image = Solid(width, height, {0, 0, 0});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.Row(y) + 3 * x;
      const bool band = (x + 2 * y) % 97 < 30;
      p[0] = static_cast<std::uint8_t>(30 + 190 * x / width);
      p[1] = static_cast<std::uint8_t>(band ? 200 : 40 + 100 * y / height);
      p[2] = static_cast<std::uint8_t>(220 - 150 * x / width);
    }
  return image;
}

std::vector<std::uint8_t> EncodeJpeg(const Image& image) {
  std::vector<std::uint8_t> out;
  auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<std::uint8_t*>(data);
    static_cast<std::vector<std::uint8_t>*>(context)->insert(
        static_cast<std::vector<std::uint8_t>*>(context)->end(), bytes, bytes + size);
  };
  EXPECT_NE(
      stbi_write_jpg_to_func(append, &out, image.width, image.height, 3, image.pixels.data(), 95),
      0);
  return out;
}

Image Decode(const std::vector<std::uint8_t>& bytes) {
  int handle = ImgDecodeMemory(bytes.data(), bytes.size());
  EXPECT_GE(handle, 0);
  Image image = ReadBack(handle);
  ImgFree(handle);
  return image;
}

TEST(Reuse, PicturesDecodeTheSameWhateverCameBefore) {
  const Image photo = Photo(301, 23);
  const std::vector<std::uint8_t> wide = EncodeJpeg(photo);
  const std::vector<std::uint8_t> big = EncodeJpeg(Photo(900, 700));
  const std::vector<std::uint8_t> small = ReadDataFile("baseline420.jpg");
  const std::vector<std::uint8_t> bmp = ReadDataFile("palette4.bmp");
  const Image first = Decode(wide);
  // Close to what was encoded, in every part of every row.
  EXPECT_LT(MeanAbsDifference(first, photo), 3.0);
  const Image firstSmall = Decode(small);
  const Image firstBmp = Decode(bmp);
  for (int round = 0; round < 3; ++round) {
    // Larger pictures and resized ones go through the kept memory in between.
    int handle = ImgDecodeMemory(big.data(), big.size());
    ASSERT_GE(handle, 0);
    ASSERT_EQ(ImgResizeSmooth(handle, 640, 480), kImgOk);
    ASSERT_EQ(ImgResizeSmooth(handle, 1000, 800), kImgOk);
    ImgFree(handle);
    EXPECT_EQ(MeanAbsDifference(Decode(wide), first), 0.0) << round;
    EXPECT_EQ(MeanAbsDifference(Decode(small), firstSmall), 0.0) << round;
    EXPECT_EQ(MeanAbsDifference(Decode(bmp), firstBmp), 0.0) << round;
  }
}

// Widths give every remainder of the row's 4-byte padding and of the
// five-pixel steps of the red-blue swap; the vector starts out larger and
// full of other bytes, as it is when the caller passes in the last one.
TEST(Reuse, PackedBitmapIsWrittenWholeIntoAUsedVector) {
  for (int width = 1; width <= 17; ++width) {
    Image image = Solid(width, 3, {0, 0, 0});
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);
    int handle = HandleFor(image);
    std::vector<std::uint8_t> dib(5000, 0xCD);
    ASSERT_EQ(ImgGetPackedDib(handle, dib, nullptr, nullptr, nullptr), kImgOk);
    const std::size_t stride = (3 * width + 3) / 4 * 4;
    ASSERT_EQ(dib.size(), 40 + stride * 3) << width;
    for (int y = 0; y < 3; ++y) {
      const std::uint8_t* row = &dib[40 + stride * (2 - y)];
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = image.Row(y) + 3 * x;
        EXPECT_EQ(row[3 * x], p[2]) << width << " " << x << "," << y;
        EXPECT_EQ(row[3 * x + 1], p[1]) << width << " " << x << "," << y;
        EXPECT_EQ(row[3 * x + 2], p[0]) << width << " " << x << "," << y;
      }
      for (std::size_t pad = 3 * width; pad < stride; ++pad) EXPECT_EQ(row[pad], 0) << width;
    }
    ImgFree(handle);
  }
}

TEST(Reuse, DecoderMemoryHandsOutTheOutputBlockOnce) {
  std::vector<std::uint8_t> pixels(1201);
  {
    DirectOutputScope scope(pixels.data(), pixels.size());
    void* other = DecoderAlloc(64);
    void* output = DecoderAlloc(1200);  // one byte less: the bitmap decoder's request
    void* again = DecoderAlloc(1200);
    EXPECT_EQ(output, pixels.data());
    EXPECT_NE(other, pixels.data());
    EXPECT_NE(again, pixels.data());
    std::memset(again, 1, 1200);
    DecoderFree(output);  // not ours to free: the vector still owns it
    DecoderFree(again);
    DecoderFree(other);
  }
  // Outside a scope nothing is handed out from it, and large working blocks
  // come back for the next picture with their full size usable.
  void* plain = DecoderAlloc(1201);
  EXPECT_NE(plain, pixels.data());
  DecoderFree(plain);
  void* work = DecoderAlloc(1u << 20);
  std::memset(work, 2, 1u << 20);
  DecoderFree(work);
  void* next = DecoderAlloc((1u << 20) - 100);
  EXPECT_EQ(next, work);
  void* grown = DecoderRealloc(next, 3u << 20);
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(static_cast<std::uint8_t*>(grown)[(1u << 20) - 101], 2);  // contents carried over
  std::memset(grown, 3, 3u << 20);
  DecoderFree(grown);
}

}  // namespace
}  // namespace lumi::imaging::test
