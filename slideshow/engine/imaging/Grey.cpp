#include "slideshow/engine/imaging/ColourWork.h"
#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/imaging/Progress.h"

namespace lumi::imaging {
namespace {

std::uint8_t Luma(Rgb c) {
  return static_cast<std::uint8_t>((77 * c.r + 150 * c.g + 29 * c.b + 128) >> 8);
}

}  // namespace

int MakeGrey(const Image& source, Image& out) {
  if (source.HasPalette()) {
    Image result = source;
    for (Rgb& c : result.palette) {
      std::uint8_t v = Luma(c);
      c = Rgb{v, v, v};
    }
    out = std::move(result);
    return kImgOk;
  }
  Image result;
  try {
    result.width = source.width;
    result.height = source.height;
    result.pixels.resize(static_cast<std::size_t>(source.width) * source.height);
    result.palette.resize(256);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  for (int i = 0; i < 256; ++i) {
    auto v = static_cast<std::uint8_t>(i);
    result.palette[i] = Rgb{v, v, v};
  }
  ProgressStage progress(source.height);
  for (int y = 0; y < source.height; ++y) {
    const std::uint8_t* s = source.Row(y);
    std::uint8_t* d = result.Row(y);
    for (int x = 0; x < source.width; ++x, s += 3) *d++ = Luma(Rgb{s[0], s[1], s[2]});
    if (progress.Step()) return kImgErrStopped;
  }
  out = std::move(result);
  return kImgOk;
}

}  // namespace lumi::imaging
