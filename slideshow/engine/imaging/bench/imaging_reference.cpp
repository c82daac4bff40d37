// The yardstick for imaging_bench: the system's JPEG library decoding the same
// bytes from memory, then the image library's default resize (the filter it
// picks by itself for the direction of the change) to the size our path
// produces, exported as blue-green-red rows ready for a bitmap. A picture that
// already has that size goes through the same resize call, which then only
// copies. Buffers are kept from run to run, as a long-running viewer would.
//
// Same arguments and output shape as imaging_bench; the stages are decode,
// import (into the image library), resize and export. The decode column alone
// is the JPEG library's time for the picture.
#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <magick/MagickCore.h>
// clang-format on

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

struct ErrorExit {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

// Decodes into tightly packed red-green-blue rows. Returns false on a damaged
// file.
bool Decode(const std::vector<unsigned char>& jpeg, std::vector<unsigned char>& out, int& width,
            int& height) {
  jpeg_decompress_struct info;
  ErrorExit error;
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = OnJpegError;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  if (out.size() < stride * height) out.resize(stride * height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

struct Stages {
  double decode = 0, import = 0, resize = 0, exportPixels = 0, total = 0;
};

void Fit(int width, int height, int areaWidth, int areaHeight, int& outWidth, int& outHeight) {
  areaWidth = std::min(areaWidth, 1600);
  areaHeight = std::min(areaHeight, 1200);
  float factor = std::min(static_cast<float>(areaHeight) / static_cast<float>(height),
                          static_cast<float>(areaWidth) / static_cast<float>(width));
  outWidth = static_cast<int>(static_cast<float>(width) * factor);
  outHeight = static_cast<int>(static_cast<float>(height) * factor);
}

struct Buffers {
  std::vector<unsigned char> decoded, bitmap;
};

Stages RunOnce(const std::vector<unsigned char>& jpeg, int areaWidth, int areaHeight,
               Buffers& buffers, int& outWidth, int& outHeight) {
  Stages s;
  int width, height;
  Clock::time_point t0 = Clock::now();
  if (!Decode(jpeg, buffers.decoded, width, height)) std::exit(2);
  Clock::time_point t1 = Clock::now();
  Fit(width, height, areaWidth, areaHeight, outWidth, outHeight);
  if (outWidth == width || outHeight == height) {  // the slideshow leaves these alone
    outWidth = width;
    outHeight = height;
  }
  ExceptionInfo* exception = AcquireExceptionInfo();
  Image* image = ConstituteImage(static_cast<size_t>(width), static_cast<size_t>(height), "RGB",
                                 CharPixel, buffers.decoded.data(), exception);
  if (image == nullptr) std::exit(3);
  Clock::time_point t2 = Clock::now();
  Image* resized = ResizeImage(image, static_cast<size_t>(outWidth), static_cast<size_t>(outHeight),
                               image->filter, image->blur, exception);
  if (resized == nullptr) std::exit(4);
  Clock::time_point t3 = Clock::now();
  std::size_t bytes = static_cast<std::size_t>(outWidth) * outHeight * 3;
  if (buffers.bitmap.size() < bytes) buffers.bitmap.resize(bytes);
  if (ExportImagePixels(resized, 0, 0, static_cast<size_t>(outWidth),
                        static_cast<size_t>(outHeight), "BGR", CharPixel, buffers.bitmap.data(),
                        exception) == MagickFalse)
    std::exit(5);
  DestroyImage(resized);
  DestroyImage(image);
  DestroyExceptionInfo(exception);
  Clock::time_point t4 = Clock::now();
  s.decode = Ms(t0, t1);
  s.import = Ms(t1, t2);
  s.resize = Ms(t2, t3);
  s.exportPixels = Ms(t3, t4);
  s.total = Ms(t0, t4);
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
  MagickCoreGenesis(argv[0], MagickFalse);
  const int runs = std::max(1, std::atoi(argv[1])), areaWidth = std::atoi(argv[2]),
            areaHeight = std::atoi(argv[3]);
  Buffers buffers;
  for (int i = 4; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::vector<unsigned char> jpeg{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    std::vector<double> total, decode, import, resize, exportPixels;
    int w = 0, h = 0, width = 0, height = 0;
    if (!Decode(jpeg, buffers.decoded, width, height)) return 2;
    RunOnce(jpeg, areaWidth, areaHeight, buffers, w, h);
    for (int r = 0; r < runs; ++r) {
      Stages s = RunOnce(jpeg, areaWidth, areaHeight, buffers, w, h);
      total.push_back(s.total);
      decode.push_back(s.decode);
      import.push_back(s.import);
      resize.push_back(s.resize);
      exportPixels.push_back(s.exportPixels);
    }
    std::printf("%s %dx%d -> %dx%d total %.2f decode %.2f import %.2f resize %.2f export %.2f ms\n",
                argv[i], width, height, w, h, Median(total), Median(decode), Median(import),
                Median(resize), Median(exportPixels));
  }
  MagickCoreTerminus();
  return 0;
}
