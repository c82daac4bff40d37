#include <cmath>

#include "Gradient.h"
#include "Noise.h"
#include "Scenes.h"

namespace samplegen {
namespace {

constexpr float kSqrt3 = 1.7320508f;

// Pointy-top hexagons: the cell that a point falls in, by cube-coordinate rounding.
void HexCell(float px, float py, float size, int& q, int& r, float& cx, float& cy) {
  float fq = (kSqrt3 / 3 * px - py / 3) / size;
  float fr = (2.0f / 3 * py) / size;
  float fs = -fq - fr;
  float rq = std::round(fq), rr = std::round(fr), rs = std::round(fs);
  float dq = std::fabs(rq - fq), dr = std::fabs(rr - fr), ds = std::fabs(rs - fs);
  if (dq > dr && dq > ds) {
    rq = -rr - rs;
  } else if (dr > ds) {
    rr = -rq - rs;
  }
  q = static_cast<int>(rq);
  r = static_cast<int>(rr);
  cx = size * kSqrt3 * (rq + rr / 2);
  cy = size * 1.5f * rr;
}

float SegmentDistance(float px, float py, float bx, float by) {
  float t = std::clamp((px * bx + py * by) / (bx * bx + by * by), 0.0f, 1.0f);
  return std::hypot(px - bx * t, py - by * t);
}

}  // namespace

// Tumbling blocks: every hexagon is a cube seen from above, its three faces lit
// from the top left, the hues drifting across the picture.
Image TumblingBlocks(int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float size = w / 13;
  const Gradient hues{
      {0, Hex(0x1B4D6E)}, {0.35f, Hex(0x2A7F8A)}, {0.65f, Hex(0xC9803A)}, {1, Hex(0x9A3550)}};
  auto shade = [=, &hues](float x, float y) {
    int q, r;
    float cx, cy;
    HexCell(x, y, size, q, r, cx, cy);
    float lx = x - cx, ly = y - cy;
    float angle = std::atan2(-ly, lx);  // screen y grows down; angles as on paper
    // Faces: top between the upper-right and upper-left spokes, then left, then right.
    constexpr float kDeg = 3.14159265f / 180;
    int face = angle > 30 * kDeg && angle <= 150 * kDeg      ? 0
               : (angle > 150 * kDeg || angle <= -90 * kDeg) ? 1
                                                             : 2;
    float along = Clamp01((cx + cy * 0.6f) / (w * 1.3f) + 0.08f);
    float pick = HashUnit(q, r, 77);
    Rgb base = hues.At(Clamp01(along + (pick - 0.5f) * 0.22f));
    const float light[] = {1.15f, 0.82f, 0.55f};
    Rgb c = base * light[face];
    float sheen = (face == 0 ? -ly : lx) / size;
    c = c * (1 + 0.08f * sheen);
    // Cream joints along the spokes and the cell outline.
    const float spokes[3][2] = {
        {0, size}, {-kSqrt3 / 2 * size, -size / 2}, {kSqrt3 / 2 * size, -size / 2}};
    float joint = 1e9f;
    for (const auto& s : spokes) joint = std::min(joint, SegmentDistance(lx, ly, s[0], s[1]));
    float ax = std::fabs(lx), ay = std::fabs(ly);
    float edge = std::max(ax, (ax * 0.5f + ay * kSqrt3 / 2)) - size * kSqrt3 / 2;
    joint = std::min(joint, std::fabs(edge));
    float line = Coverage(joint - size * 0.018f, 1.0f);
    c = Mix(c, Hex(0xF4E6C8), line * 0.85f);
    float grain = Fbm(x / 3, y / 3, 2, 5) - 0.5f;
    c = c * (1 + 0.05f * grain);
    float vx = x / w - 0.5f, vy = y / h - 0.5f;
    return c * (1 - 0.55f * (vx * vx + vy * vy));
  };
  return Render(width, height, 3, shade, 1301);
}

}  // namespace samplegen
