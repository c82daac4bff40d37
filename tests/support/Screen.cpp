#include "tests/support/Screen.h"

namespace zebtest {
namespace {

Pixels CopyFrom(HDC source, int x, int y, int width, int height) {
  Pixels p;
  p.width = width;
  p.height = height;
  p.data.assign(static_cast<size_t>(width) * height, 0);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(source);
  HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib && bits) {
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* src = static_cast<const std::uint32_t*>(bits);
    for (size_t i = 0; i < p.data.size(); ++i) p.data[i] = src[i] & 0x00FFFFFFu;
    SelectObject(mem, old);
  }
  DeleteDC(mem);
  if (dib) DeleteObject(dib);
  return p;
}

}  // namespace

double Pixels::Share(std::uint32_t colour, int x0, int y0, int x1, int y1) const {
  long hits = 0, total = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      ++total;
      if (At(x, y) == colour) ++hits;
    }
  }
  return total ? static_cast<double>(hits) / total : 0.0;
}

Pixels CaptureScreen(int x, int y, int width, int height) {
  HDC screen = GetDC(nullptr);
  Pixels p = CopyFrom(screen, x, y, width, height);
  ReleaseDC(nullptr, screen);
  return p;
}

Pixels ReadBitmap(HBITMAP bitmap, int x, int y, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, bitmap);
  Pixels p = CopyFrom(mem, x, y, width, height);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return p;
}

}  // namespace zebtest
