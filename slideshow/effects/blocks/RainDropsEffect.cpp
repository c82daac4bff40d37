#include "slideshow/effects/blocks/RainDropsEffect.h"

#include <algorithm>
#include <vector>

namespace lumi {
namespace {

// Grid spacing, and the radius a drop stays below: every pixel of the
// picture lies within 36 pixels of a grid point, so the drops together cover
// it at every speed.
constexpr int kSpacing = 50;

struct GridPoint {
  int x, y;  // relative to the picture
};

}  // namespace

void CRainDropsEffect::DrawDrop(int x, int y, int radius) {
  const RECT& pic = PictureRect();
  const RECT square{pic.left + x - radius, pic.top + y - radius, pic.left + x + radius,
                    pic.top + y + radius};
  ClipToEllipse(square);
  // Only the part on the picture is copied: drops at the picture's edges
  // reach into the margin, which stays black.
  RECT part{};
  if (IntersectRect(&part, &square, &pic))
    CopyTo(part.left, part.top, part.right - part.left, part.bottom - part.top,
           part.left - pic.left, part.top - pic.top);
  RemoveClip();
}

int CRainDropsEffect::Draw() {
  if (!Prepared()) return 0;
  const int columns = PictureWidth() / kSpacing + 1;
  const int rows = PictureHeight() / kSpacing + 1;
  std::vector<GridPoint> points;
  points.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) points.push_back(GridPoint{kSpacing * i, kSpacing * j});

  const int radiusStep = BySpeed(1, 4, 9);
  while (!points.empty()) {
    if (StopRequested()) return 0;
    const auto at = points.begin() + Rand() % static_cast<int>(points.size());
    // Each size of the growing drop is a step of its own.
    for (int radius = 1; radius < kSpacing; radius += radiusStep) {
      if (StopRequested()) return 0;
      DrawDrop(at->x, at->y, radius);
    }
    points.erase(at);
  }
  RemoveClip();
  return 1;
}

}  // namespace lumi
