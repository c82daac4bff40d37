#include "slideshow/effects/sweeps/PictureSlideEffect.h"

namespace lumi {

int CPictureSlideEffect::Draw() {
  if (!Prepared()) return 0;
  const int b = BySpeed(6, 12, 24);
  const int direction = Rand() % 4;
  const RECT& p = PictureRect();
  const int w = PictureWidth();
  const int h = PictureHeight();
  ClipToPicture();
  // Where the side is not a multiple of the step, the last part of the way
  // (narrower than a step) is made by the final copy.
  const int steps = direction < 2 ? w / b : h / b;
  bool stopped = false;
  for (int i = 0; i < steps; ++i) {
    if (StopRequested()) {
      stopped = true;
      break;
    }
    switch (direction) {
      case 0:  // enters at the left, moves right
        Scroll(b, 0, p);
        CopyTo(p.left, p.top, b, h, w - b * (i + 1), 0);
        break;
      case 1:  // enters at the right, moves left
        Scroll(-b, 0, p);
        CopyTo(p.right - b, p.top, b, h, b * i, 0);
        break;
      case 2:  // enters at the top, moves down
        Scroll(0, b, p);
        CopyTo(p.left, p.top, w, b, 0, h - b * (i + 1));
        break;
      default:  // enters at the bottom, moves up
        Scroll(0, -b, p);
        CopyTo(p.left, p.bottom - b, w, b, 0, b * i);
        break;
    }
  }
  RemoveClip();
  return stopped ? 0 : 1;
}

}  // namespace lumi
