#pragma once
// A memory device context drawing into a 32-bit top-down DIB section whose
// pixels the tests read back.
#include <windows.h>

#include <cstdint>

namespace lumi::test {

// A 32-bit top-down DIB section; bits receives its pixels (0x00RRGGBB).
HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits);

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  RECT Rect() const { return RECT{0, 0, width_, height_}; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(COLORREF colour);
  // The pixel as a COLORREF, after GDI has finished drawing.
  COLORREF At(int x, int y) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

inline bool IsGrey(COLORREF c) {
  return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
}

}  // namespace lumi::test
