#pragma once
// The gallery's and benchmark's two pictures: sample photos decoded and
// resized by the engine's own imaging code, held as 32-bit top-down DIB
// sections.
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/GdiGuards.h"

namespace gallery {

class SamplePicture {
 public:
  // Decodes the file and resizes it to width x height; Ok() tells whether
  // that worked, Error() why not.
  SamplePicture(const std::string& path, int width, int height);

  bool Ok() const { return static_cast<bool>(bitmap_); }
  const std::string& Error() const { return error_; }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  zeb::OwnedBitmap bitmap_;
  std::string error_;
};

// A 32-bit top-down DIB section; bits receives its pixels (0x00RRGGBB).
zeb::OwnedBitmap CreateTopDownDib(int width, int height, std::uint32_t** bits);

}  // namespace gallery
