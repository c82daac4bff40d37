#include "slideshow/effects/sweeps/PlusSweepsEffect.h"

#include <algorithm>

namespace lumi {

bool CPlusSweepsEffect::DrawStep(int size, const Line* lines, int count) {
  for (int i = 0; i < count; ++i) {
    if (StopRequested()) return false;
    DrawLine(size, lines[i].x0, lines[i].y0, lines[i].x1, lines[i].y1);
  }
  return true;
}

int CPlusSweepsEffect::Draw() {
  if (!Prepared()) return 0;
  const int size = BySpeed(2, 4, 8);
  const int lastColumn = PictureWidth() / size;
  const int lastRow = PictureHeight() / size;
  const int cols = lastColumn + 1;
  const int rows = lastRow + 1;
  const bool cornerForm = RandomOdd();
  // Lines reach one block past the last column or row; the margins stay black.
  ClipToPicture();
  bool done = true;
  if (!cornerForm) {
    // The outermost columns or rows that the cross does not reach are left
    // to the final copy.
    const int steps = std::min(cols, rows) / 2;
    for (int t = 0; done && t < steps; ++t) {
      const Line lines[] = {{cols / 2 - t, 0, cols / 2 - t, rows},
                            {cols / 2 + t, 0, cols / 2 + t, rows},
                            {0, rows / 2 - t, cols, rows / 2 - t},
                            {0, rows / 2 + t, cols, rows / 2 + t}};
      done = DrawStep(size, lines, 4);
    }
  } else {
    const int steps = std::max(cols, rows) / 2;
    for (int t = 0; done && t < steps; ++t) {
      const int right = lastColumn - t;
      const int bottom = lastRow - t;
      const Line lines[] = {{t, 0, t, t},
                            {0, t, t, t},
                            {t, lastRow, t, bottom},
                            {0, bottom, t, bottom},
                            {right, 0, right, t},
                            {lastColumn, t, right, t},
                            {right, lastRow, right, bottom},
                            {lastColumn, bottom, right, bottom}};
      done = DrawStep(size, lines, 8);
    }
  }
  RemoveClip();
  return done ? 1 : 0;
}

}  // namespace lumi
