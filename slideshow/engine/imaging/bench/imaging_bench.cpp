// Time from JPEG bytes in memory to the packed 24-bit bitmap the engine shows:
// decode, fit into the target area keeping the aspect (as the slideshow does
// with enlarging on), smooth resize, bitmap hand-over. Prints one line per
// picture: name, source size, target size, median milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "imaging/ImagingApi.h"

namespace img = lumi::imaging;

namespace {

double RunOnce(const std::vector<std::uint8_t>& jpeg, int areaWidth, int areaHeight, int& outWidth,
               int& outHeight, int& sourceWidth, int& sourceHeight) {
  auto start = std::chrono::steady_clock::now();
  int handle = img::ImgDecodeMemory(jpeg.data(), jpeg.size());
  if (handle < 0) {
    std::fprintf(stderr, "decode failed: %d\n", handle);
    std::exit(1);
  }
  std::vector<std::uint8_t> dib;
  int width, height, bits;
  img::ImgGetPackedDib(handle, dib, &width, &height,
                       &bits);  // size only; counted as the engine does it once more
  sourceWidth = width;
  sourceHeight = height;
  float factor =
      std::min(static_cast<float>(areaHeight) / height, static_cast<float>(areaWidth) / width);
  int targetWidth = static_cast<int>(width * factor),
      targetHeight = static_cast<int>(height * factor);
  if (targetWidth != width && targetHeight != height) {
    int status = img::ImgResizeSmooth(handle, targetWidth, targetHeight);
    if (status == img::kImgErrUseResize) status = img::ImgResize(handle, targetWidth, targetHeight);
    if (status != img::kImgOk) std::exit(2);
  }
  img::ImgGetPackedDib(handle, dib, &outWidth, &outHeight, &bits);
  img::ImgFree(handle);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s runs area-width area-height picture.jpg...\n", argv[0]);
    return 1;
  }
  const int runs = std::atoi(argv[1]), areaWidth = std::atoi(argv[2]),
            areaHeight = std::atoi(argv[3]);
  for (int i = 4; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::vector<std::uint8_t> jpeg{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    std::vector<double> times;
    int w = 0, h = 0, sw = 0, sh = 0;
    for (int r = 0; r < runs; ++r)
      times.push_back(RunOnce(jpeg, areaWidth, areaHeight, w, h, sw, sh));
    std::sort(times.begin(), times.end());
    std::printf("%s %dx%d -> %dx%d %.2f ms\n", argv[i], sw, sh, w, h, times[times.size() / 2]);
  }
  return 0;
}
