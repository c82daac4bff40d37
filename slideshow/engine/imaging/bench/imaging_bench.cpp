// Time from JPEG bytes in memory to the packed 24-bit bitmap the engine shows,
// through the same calls the image pipeline makes for one slide: decode, read
// the size back (the engine does that through a bitmap block right after
// loading), fit into the area keeping the aspect (as the slideshow does with
// enlarging on), smooth resize, and the bitmap block for the device bitmap.
// One process shows picture after picture, so every picture is timed several
// times in a row after one untimed warm-up.
//
// Prints one line per picture: name, source size, target size, then the
// median milliseconds of the whole path and of each stage.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "slideshow/engine/imaging/ImagingApi.h"
#if defined(_WIN32)
#include "slideshow/engine/imaging/win/ImagingDib.h"
#endif

namespace img = lumi::imaging;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Stages {
  double decode = 0, size = 0, resize = 0, pack = 0, total = 0;
};

// The bitmap block as the engine gets it: movable global memory on Windows,
// the packed bytes natively.
class BitmapReader {
 public:
  bool Read(int handle, int& width, int& height) {
    int bits = 0;
#if defined(_WIN32)
    return img::ImgGetDib(handle, &width, &height, &bits) != nullptr;
#else
    return img::ImgGetPackedDib(handle, dib_, &width, &height, &bits) == img::kImgOk;
#endif
  }

 private:
  std::vector<std::uint8_t> dib_;
};

// The engine's fit: the area capped at 1600 x 1200, the factor in single
// precision, sizes truncated.
void Fit(int width, int height, int areaWidth, int areaHeight, int& outWidth, int& outHeight) {
  areaWidth = std::min(areaWidth, 1600);
  areaHeight = std::min(areaHeight, 1200);
  float factor = std::min(static_cast<float>(areaHeight) / static_cast<float>(height),
                          static_cast<float>(areaWidth) / static_cast<float>(width));
  outWidth = static_cast<int>(static_cast<float>(width) * factor);
  outHeight = static_cast<int>(static_cast<float>(height) * factor);
}

Stages RunOnce(const std::vector<std::uint8_t>& jpeg, int areaWidth, int areaHeight,
               BitmapReader& reader, int& outWidth, int& outHeight, int& sourceWidth,
               int& sourceHeight) {
  Stages s;
  Clock::time_point t0 = Clock::now();
  int handle = img::ImgDecodeMemory(jpeg.data(), jpeg.size());
  if (handle < 0) {
    std::fprintf(stderr, "decode failed: %d\n", handle);
    std::exit(1);
  }
  Clock::time_point t1 = Clock::now();
  if (!reader.Read(handle, sourceWidth, sourceHeight)) std::exit(2);
  Clock::time_point t2 = Clock::now();
  int targetWidth, targetHeight;
  Fit(sourceWidth, sourceHeight, areaWidth, areaHeight, targetWidth, targetHeight);
  if (targetWidth != sourceWidth && targetHeight != sourceHeight) {
    int status = img::ImgResizeSmooth(handle, targetWidth, targetHeight);
    if (status == img::kImgErrUseResize) status = img::ImgResize(handle, targetWidth, targetHeight);
    if (status != img::kImgOk) std::exit(3);
  }
  Clock::time_point t3 = Clock::now();
  if (!reader.Read(handle, outWidth, outHeight)) std::exit(4);
  Clock::time_point t4 = Clock::now();
  img::ImgFree(handle);
  Clock::time_point t5 = Clock::now();
  s.decode = Ms(t0, t1);
  s.size = Ms(t1, t2);
  s.resize = Ms(t2, t3);
  s.pack = Ms(t3, t4) + Ms(t4, t5);  // releasing the blocks belongs to the hand-over
  s.total = Ms(t0, t5);
  return s;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s runs area-width area-height picture.jpg...\n", argv[0]);
    return 1;
  }
  const int runs = std::max(1, std::atoi(argv[1])), areaWidth = std::atoi(argv[2]),
            areaHeight = std::atoi(argv[3]);
  BitmapReader reader;
  for (int i = 4; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::vector<std::uint8_t> jpeg{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    std::vector<double> total, decode, size, resize, pack;
    int w = 0, h = 0, sw = 0, sh = 0;
    RunOnce(jpeg, areaWidth, areaHeight, reader, w, h, sw, sh);
    for (int r = 0; r < runs; ++r) {
      Stages s = RunOnce(jpeg, areaWidth, areaHeight, reader, w, h, sw, sh);
      total.push_back(s.total);
      decode.push_back(s.decode);
      size.push_back(s.size);
      resize.push_back(s.resize);
      pack.push_back(s.pack);
    }
    std::printf("%s %dx%d -> %dx%d total %.2f decode %.2f size %.2f resize %.2f pack %.2f ms\n",
                argv[i], sw, sh, w, h, Median(total), Median(decode), Median(size), Median(resize),
                Median(pack));
  }
  return 0;
}
