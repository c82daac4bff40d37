#include "slideshow/effects/sweeps/ScrollBlocksEffect.h"

#include "slideshow/effects/EffectDrawing.h"

namespace lumi {

bool CScrollBlocksEffect::DrawColumnBands(int size, int bands, int steps) {
  const RECT& p = PictureRect();
  for (int i = 0; i < steps; ++i) {
    for (int k = 0; k < bands; ++k) {
      if (StopRequested()) return false;
      const int x = p.left + k * size;
      const RECT band{x, p.top, x + size, p.bottom};
      if (k % 2 == 0) {
        Scroll(0, size, band);
        CopyTo(x, p.top, size, size, k * size, size * (steps - 1 - i));
      } else {
        Scroll(0, -size, band);
        CopyTo(x, p.bottom - size, size, size, k * size, size * i);
      }
    }
    PauseCalibrated(5);
  }
  return true;
}

bool CScrollBlocksEffect::DrawRowBands(int size, int bands, int steps) {
  const RECT& p = PictureRect();
  for (int i = 0; i < steps; ++i) {
    for (int k = 0; k < bands; ++k) {
      if (StopRequested()) return false;
      const int y = p.top + k * size;
      const RECT band{p.left, y, p.right, y + size};
      if (k % 2 == 0) {
        Scroll(size, 0, band);
        CopyTo(p.left, y, size, size, size * (steps - 1 - i), k * size);
      } else {
        Scroll(-size, 0, band);
        CopyTo(p.right - size, y, size, size, size * i, k * size);
      }
    }
    Pause(5);
  }
  return true;
}

int CScrollBlocksEffect::Draw() {
  if (!Prepared()) return 0;
  const int size = BySpeed(32, 64, 128);
  const int rowCount = PictureHeight() / size;
  const int columnCount = PictureWidth() / size;
  const bool rowBands = RandomOdd();
  // A picture smaller than a band in either direction has no band to move:
  // nothing is drawn (and nothing waited for); the final copy shows it.
  if (rowCount <= 0 || columnCount <= 0) return 1;
  ClipToPicture();
  const bool done = rowBands ? DrawRowBands(size, rowCount, columnCount)
                             : DrawColumnBands(size, columnCount, rowCount);
  RemoveClip();
  return done ? 1 : 0;
}

}  // namespace lumi
