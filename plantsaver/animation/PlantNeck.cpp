#include "plantsaver/animation/PlantNeck.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace gulpleaf {
namespace {

// Each coordinate is kept in 16 bits and read back signed, so a head that
// sways above the top of the screen keeps its neck attached.
unsigned PackNeckPoint(std::int16_t x, std::int16_t y) {
  return (static_cast<unsigned>(static_cast<std::uint16_t>(x)) << 16) |
         static_cast<std::uint16_t>(y);
}

}  // namespace

Point UnpackNeckPoint(unsigned packed) {
  return {static_cast<std::int16_t>(static_cast<std::uint16_t>(packed >> 16)),
          static_cast<std::int16_t>(static_cast<std::uint16_t>(packed & 0xFFFFu))};
}

void DrawPlantNeck(TPflanz& plant, SpriteCanvas& canvas, Point head) {
  const Point foot = plant.footPosition;
  Rect r{head.x + 137, head.y + 154, foot.x + 75, foot.y};
  if (r.right < r.left) std::swap(r.left, r.right);
  r.left -= 10;
  r.right += 10;
  r.top -= 3;
  plant.neckRect = r;
  plant.BuildNeckPoints({head.x + 137, head.y + 148}, {foot.x + 75, foot.y});

  // ImgHals holds its own mask in the upper half.
  const SheetInfo& hals = Info(Sheet::Hals);
  const int half = hals.width / 2;
  for (auto it = plant.neckPoints.rbegin(); it != plant.neckPoints.rend(); ++it) {
    const Point q = UnpackNeckPoint(*it);
    canvas.Blit(Sheet::Hals, q.x - half, q.y, hals.frameWidth, hals.frameHeight, 0, 0,
                RasterOp::And);
    canvas.Blit(Sheet::Hals, q.x - half, q.y, hals.frameWidth, hals.frameHeight, 0,
                hals.frameHeight, RasterOp::Invert);
  }
}

void TPflanz::BuildNeckPoints(Point p1, Point p2) {
  neckPoints.clear();
  const Point s = p1.y < p2.y ? p1 : p2;
  const Point e = p1.y < p2.y ? p2 : p1;
  const int dx = e.x - s.x, dy = e.y - s.y;
  const float r = dx > 0 ? 1.0f : -1.0f;
  const float step = dy == 0 ? 3.14f : 3.14f / static_cast<float>(dy);
  const float c = static_cast<float>(std::abs(dx) / 2);
  float u = dx > 0 ? 3.14f : 0.0f;
  int lastX = 0, lastY = 0;
  for (int i = 0; i <= dy; ++i) {
    const float fx = (std::cos(u) + r) * c + static_cast<float>(s.x);
    const auto x = static_cast<std::int16_t>(static_cast<int>(fx));
    const auto y = static_cast<std::int16_t>(s.y + i);
    if (neckPoints.empty() || std::abs(x - lastX) > 7 || std::abs(y - lastY) > 7) {
      neckPoints.push_back(PackNeckPoint(x, y));
      lastX = x;
      lastY = y;
    }
    u += step;
  }
}

}  // namespace gulpleaf
