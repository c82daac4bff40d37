#include "slideshow/effects/EffectDrawing.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace lumi {

int DrawBlockLine(HDC target, HDC source, int left, int top, int size, int x0, int y0, int x1,
                  int y1) {
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int stepX = x1 < x0 ? -1 : 1;
  const int stepY = y1 < y0 ? -1 : 1;
  auto copy = [&](int x, int y) {
    BitBlt(target, left + x * size, top + y * size, size, size, source, x * size, y * size,
           SRCCOPY);
  };
  int x = x0, y = y0, error = 0;
  if (dy < dx) {
    for (int i = 0; i <= dx; ++i) {
      copy(x, y);
      x += stepX;
      error += dy;
      if (error >= dx) {
        error -= dx;
        y += stepY;
      }
    }
  } else {
    for (int i = 0; i <= dy; ++i) {
      copy(x, y);
      y += stepY;
      error += dx;
      if (error >= dy) {
        error -= dy;
        x += stepX;
      }
    }
  }
  return BlockLineLength(x0, y0, x1, y1);
}

int BlockLineLength(int x0, int y0, int x1, int y1) {
  return std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1;
}

namespace delay {

double LoopsPerMillisecond(DWORD elapsedMs) {
  return static_cast<double>(kCalibrationRuns) / static_cast<double>(elapsedMs > 0 ? elapsedMs : 1);
}

int LoopsFor(int milliseconds, double loopsPerMillisecond) {
  if (milliseconds <= 0) return 0;
  const double loops = loopsPerMillisecond * milliseconds;
  if (loops >= static_cast<double>(INT_MAX)) return INT_MAX;
  return loops >= 1.0 ? static_cast<int>(loops) : 0;
}

void ReferenceLoop() {
  // Volatile, so that the compiler keeps every step of the work being timed.
  volatile unsigned value = 1;
  for (int i = 0; i < 10000; ++i) value = ((value << 1) | 1u) * 2u;
}

}  // namespace delay

void CalibratedDelay(int milliseconds) {
  static const double loopsPerMs = [] {
    const DWORD start = GetTickCount();
    for (int i = 0; i < delay::kCalibrationRuns; ++i) delay::ReferenceLoop();
    return delay::LoopsPerMillisecond(GetTickCount() - start);
  }();
  const int loops = delay::LoopsFor(milliseconds, loopsPerMs);
  for (int i = 0; i < loops; ++i) delay::ReferenceLoop();
}

}  // namespace lumi
