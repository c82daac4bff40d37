#include "slideshow/effects/sweeps/ScannerSweepEffect.h"

namespace lumi {

int CScannerSweepEffect::Draw() {
  if (!Prepared()) return 0;
  const int size = BySpeed(2, 4, 8);
  const int lastColumn = PictureWidth() / size;
  const int lastRow = PictureHeight() / size;
  const int cx = (lastColumn + 1) / 2;
  const int cy = (lastRow + 1) / 2;
  // The lines end one block past the picture where its size is a multiple of
  // the block; the margins stay black.
  ClipToPicture();
  // One line from the centre to the given edge block; false once a stop is
  // requested, before the line is drawn.
  auto line = [&](int x, int y) {
    if (StopRequested()) return false;
    DrawLine(size, cx, cy, x, y);
    return true;
  };
  bool done = true;
  for (int y = 0; done && y <= lastRow; ++y) done = line(lastColumn, y);
  for (int x = lastColumn; done && x >= 0; --x) done = line(x, lastRow);
  for (int y = lastRow; done && y >= 0; --y) done = line(0, y);
  for (int x = 0; done && x <= lastColumn; ++x) done = line(x, 0);
  RemoveClip();
  return done ? 1 : 0;
}

}  // namespace lumi
