#include "slideshow/effects/sweeps/AngleSweepsEffect.h"

#include <algorithm>

namespace lumi {

bool CAngleSweepsEffect::Line(int x0, int y0, int x1, int y1) {
  if (StopRequested()) return false;
  DrawLine(size_, x0, y0, x1, y1);
  return true;
}

int CAngleSweepsEffect::Draw() {
  if (!Prepared()) return 0;
  size_ = BySpeed(2, 4, 8);
  const int lastColumn = PictureWidth() / size_;
  const int lastRow = PictureHeight() / size_;
  const int cols = lastColumn + 1;
  const int rows = lastRow + 1;
  const int cx = cols / 2;
  const int cy = rows / 2;
  const int m = std::max(cols, rows);

  struct Variant {
    int cornerSteps;
    bool mainDiagonal;  // the top-left and bottom-right corners
    bool antiDiagonal;  // the bottom-left and top-right corners
    int diamondSteps;
  };
  const Variant variants[] = {{m, true, true, 0},
                              {0, false, false, m},
                              {m / 2, true, true, m / 2},
                              {m, false, true, 0},
                              {m, true, false, 0}};
  const Variant& v = variants[Rand() % 5];

  // Lines reach past the picture on both sides; the margins stay black.
  ClipToPicture();
  bool done = true;
  for (int t = 0; done && t < v.cornerSteps; ++t) {
    if (v.mainDiagonal)
      done = Line(t, 0, 0, t) && Line(lastColumn - t, lastRow, lastColumn, lastRow - t);
    if (done && v.antiDiagonal)
      done = Line(t, lastRow, 0, lastRow - t) && Line(lastColumn - t, 0, lastColumn, t);
  }
  for (int u = 0; done && u < v.diamondSteps; ++u)
    done = Line(cx - u, cy, cx, cy - u) && Line(cx, cy - u, cx + u, cy) &&
           Line(cx + u, cy, cx, cy + u) && Line(cx, cy + u, cx - u, cy);
  RemoveClip();
  return done ? 1 : 0;
}

}  // namespace lumi
