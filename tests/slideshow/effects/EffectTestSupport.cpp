#include "tests/slideshow/effects/EffectTestSupport.h"

namespace lumi::test {

COLORREF PatternAt(int x, int y) {
  return RGB(16 + x * 7 % 224, 16 + y * 5 % 224, 0x80 + (x * 3 + y) % 120);
}

PatternPicture::PatternPicture(int width, int height) : width_(width), height_(height) {
  std::uint32_t* pixels = nullptr;
  bitmap_ = CreateTopDownDib(width, height, &pixels);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = PatternAt(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
}

PatternPicture::~PatternPicture() { DeleteObject(bitmap_); }

EffectPicture PatternPicture::At(int left, int top) const {
  return EffectPicture{bitmap_, nullptr, RECT{left, top, left + width_, top + height_}};
}

int ScriptedRandom::Next() {
  if (!queued_.empty()) {
    const int value = queued_.front();
    queued_.pop_front();
    return value;
  }
  state_ = state_ * 1103515245u + 12345u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

void StopWatcher::AfterDrawing(long total) {
  calls = total - base_;
  if (callsWhenStopped < 0 && calls >= stopAt_) {
    callsWhenStopped = calls;
    stop_ = true;
  }
}

int PictureMismatches(const Canvas& canvas, const RECT& r, int left, int top) {
  int wrong = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas.At(x, y) != PatternAt(x - left, y - top)) ++wrong;
  return wrong;
}

int TouchedOutside(const Canvas& canvas, const RECT& inside) {
  int touched = 0;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool in = x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom;
      if (!in && canvas.At(x, y) != kUntouched) ++touched;
    }
  return touched;
}

int ColourMismatches(const Canvas& canvas, const RECT& r, COLORREF colour) {
  int wrong = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (canvas.At(x, y) != colour) ++wrong;
  return wrong;
}

}  // namespace lumi::test
