// Feeds arbitrary bytes to the decoder and the calls that follow a decode in
// the engine: fit, grey, colour reduction and the bitmap hand-over. The first
// byte picks the work so that one input explores one path deeply.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace img = lumi::imaging;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t mode = data[0];
  ++data;
  --size;
  // Copy into an exactly sized block so the sanitizer sees any read past it.
  std::vector<std::uint8_t> bytes(data, data + size);
  img::ImgQueryInfo info{};
  if (img::ImgQueryMemory(bytes.data(), bytes.size(), &info) != img::kImgOk) return 0;
  // Large pictures are legal but only slow the search down: a damaged header
  // claiming a big size makes the decoder fill it all, at a few runs a second.
  if (static_cast<long long>(info.width) * info.height > 256 * 1024) return 0;
  int handle = img::ImgDecodeMemory(bytes.data(), bytes.size());
  if (handle < 0) return 0;
  const int width = 1 + (mode & 0x0F) * 7, height = 1 + (mode >> 4) * 5;
  if (img::ImgResizeSmooth(handle, width, height) == img::kImgErrUseResize)
    img::ImgResize(handle, width, height);
  switch (mode % 4) {
    case 0:
      img::ImgToGrey(handle);
      break;
    case 1:
      img::ImgReduceLowColor(handle);
      break;
    default:
      // The median cut costs about the same for every picture (its colour
      // histogram has a fixed size) and a hundred times the decode of a
      // small one; on every input it took most of the run. One input in
      // thirty-two still explores it.
      if ((mode >> 2) % 16 != 0) break;
      if (mode % 4 == 2) {
        img::ImgReduceColors(handle, 8, mode >> 6 & 1, 236);
      } else {
        img::ImgReduceColors(handle, 4, img::kReduceOrderedDither, 0);
      }
      break;
  }
  img::ImgResize(handle, height, width);
  // The same bytes as an overlay, placed partly off the picture.
  int composed = img::ImgComposeMemory(handle, bytes.data(), bytes.size(), img::kRopSourceCopy,
                                       (mode & 7) - 4, (mode >> 5) - 4);
  if (composed >= 0) img::ImgFree(composed);
  std::vector<std::uint8_t> dib;
  int w = 0, h = 0, bits = 0;
  img::ImgGetPackedDib(handle, dib, &w, &h, &bits);
  if (img::ImgFree(handle) != img::kImgOk) __builtin_trap();
  return 0;
}
