#include "slideshow/effects/sweeps/VenetianBlindsEffect.h"

#include <numeric>
#include <utility>
#include <vector>

namespace lumi {

int CVenetianBlindsEffect::Draw() {
  if (!Prepared()) return 0;
  const int d = BySpeed(2, 4, 8);
  const bool horizontal = RandomOdd();
  const int n = (horizontal ? PictureHeight() : PictureWidth()) / d;
  std::vector<int> order(static_cast<std::size_t>(n > 0 ? n : 0));
  std::iota(order.begin(), order.end(), 0);
  for (std::size_t i = 0; i < order.size(); ++i)
    std::swap(order[i], order[static_cast<std::size_t>(Rand() % n)]);
  for (int k : order) {
    if (StopRequested()) return 0;
    if (horizontal)
      CopyPart(0, k * d, PictureWidth(), d);
    else
      CopyPart(k * d, 0, d, PictureHeight());
    // The blinds turn at a visible pace, whatever the speed of the drawing.
    Pause(1);
  }
  return 1;
}

}  // namespace lumi
