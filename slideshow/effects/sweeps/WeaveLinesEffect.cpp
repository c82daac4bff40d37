#include "slideshow/effects/sweeps/WeaveLinesEffect.h"

#include <utility>

namespace lumi {

int CWeaveLinesEffect::Draw() {
  if (!Prepared()) return 0;
  const int d = BySpeed(2, 4, 8);
  const bool rows = RandomOdd();
  const bool alternating = RandomOdd();
  const RECT& p = PictureRect();
  // Along a line the cells come in pairs, so the second cell of the last pair
  // may lie past the picture; the margins stay black.
  ClipToPicture();
  const int n = (rows ? PictureHeight() : PictureWidth()) / d;
  const int along = rows ? p.right : p.bottom;
  bool stopped = false;
  for (int i = 0; i < n && !stopped; ++i) {
    // In the alternating pattern the two sides trade cells on every other
    // line, and the rhythm turns over once the sides have passed the middle.
    const bool swap = alternating && (i % 2) == (i >= n / 2 ? 1 : 0);
    for (int a = rows ? p.left : p.top; a < along; a += 2 * d) {
      if (StopRequested()) {
        stopped = true;
        break;
      }
      int first = a, second = a + d;
      if (swap) std::swap(first, second);
      if (rows) {
        CopyTo(first, p.top + i * d, d, d, first - p.left, i * d);
        CopyTo(second, p.bottom - (i + 1) * d, d, d, second - p.left,
               PictureHeight() - (i + 1) * d);
      } else {
        CopyTo(p.left + i * d, first, d, d, i * d, first - p.top);
        CopyTo(p.right - (i + 1) * d, second, d, d, PictureWidth() - (i + 1) * d, second - p.top);
      }
    }
  }
  RemoveClip();
  return stopped ? 0 : 1;
}

}  // namespace lumi
