#include "slideshow/effects/blocks/SpiralBlocksEffect.h"

namespace lumi {
namespace {

enum class Heading { Right, Down, Left, Up };

constexpr DWORD kPaceMs = 1;

}  // namespace

int CSpiralBlocksEffect::Draw() {
  if (!Prepared()) return 0;
  const int b = BySpeed(64, 128, 256);
  const RECT& pic = PictureRect();
  // Blocks at the ring's right and bottom edges may reach past the picture;
  // the margin there stays black.
  ClipToPicture();
  RECT ring = pic;
  int x = ring.left;
  int y = ring.top;
  Heading heading = Heading::Right;
  while (ring.right > ring.left) {
    if (StopRequested()) return 0;
    CopyTo(x, y, b, b, x - pic.left, y - pic.top);
    Pause(kPaceMs);
    // A leg that runs past its edge steps back and turns at once, so the
    // corner block is drawn once. The upward leg ends on the ring's first
    // block, drawn again, before the ring shrinks.
    if (heading == Heading::Right) {
      x += b;
      if (x >= ring.right) {
        x -= b;
        heading = Heading::Down;
      }
    }
    if (heading == Heading::Down) {
      y += b;
      if (y >= ring.bottom) {
        y -= b;
        heading = Heading::Left;
      }
    }
    if (heading == Heading::Left) {
      x -= b;
      if (x < ring.left) {
        x += b;
        heading = Heading::Up;
      }
    }
    if (heading == Heading::Up) {
      y -= b;
      if (y < ring.top) {
        InflateRect(&ring, -b, -b);
        x = ring.left;
        y = ring.top;
        heading = Heading::Right;
      }
    }
  }
  RemoveClip();
  return 1;
}

}  // namespace lumi
