#include "tools/effectgallery/SamplePicture.h"

#include <vector>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace gallery {

namespace img = lumi::imaging;

zeb::OwnedBitmap CreateTopDownDib(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  zeb::OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits) *bits = static_cast<std::uint32_t*>(pixels);
  return bitmap;
}

SamplePicture::SamplePicture(const std::string& path, int width, int height)
    : width_(width), height_(height) {
  const int handle = img::ImgDecodeFile(path.c_str());
  if (handle < 0) {
    error_ = "cannot decode " + path + " (" + std::to_string(handle) + ")";
    return;
  }
  std::vector<std::uint8_t> dib;
  int w = 0, h = 0, bpp = 0;
  const int resized = img::ImgResizeSmooth(handle, width, height);
  if (resized < 0 || img::ImgGetPackedDib(handle, dib, &w, &h, &bpp) < 0 || w != width ||
      h != height) {
    error_ = "cannot resize " + path;
    img::ImgFree(handle);
    return;
  }
  img::ImgFree(handle);

  std::uint32_t* bits = nullptr;
  bitmap_ = CreateTopDownDib(width, height, &bits);
  if (!bitmap_) {
    error_ = "cannot make a bitmap";
    return;
  }
  // The packed bitmap is a header, a colour table and bottom-up rows; the
  // system turns it into our 32-bit rows.
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
  const BITMAPINFOHEADER& header = info->bmiHeader;
  const int colours = header.biClrUsed != 0    ? static_cast<int>(header.biClrUsed)
                      : header.biBitCount <= 8 ? 1 << header.biBitCount
                                               : 0;
  const std::uint8_t* rows = dib.data() + header.biSize + colours * sizeof(RGBQUAD);
  const zeb::WindowDcGuard screen(nullptr);
  SetDIBits(screen.Get(), bitmap_.Get(), 0, static_cast<UINT>(height), rows, info, DIB_RGB_COLORS);
}

}  // namespace gallery
