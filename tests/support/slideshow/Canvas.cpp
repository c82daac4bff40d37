#include "tests/support/slideshow/Canvas.h"

namespace lumi::test {

HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  *bits = static_cast<std::uint32_t*>(pixels);
  return bitmap;
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  bitmap_ = CreateTopDownDib(width, height, &bits_);
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ && bitmap_) oldBitmap_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
  if (dc_) {
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

void Canvas::Fill(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  RECT r = Rect();
  FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

COLORREF Canvas::At(int x, int y) const {
  GdiFlush();
  const std::uint32_t p = bits_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace lumi::test
