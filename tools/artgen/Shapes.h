#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "Raster.h"

// Signed-distance primitives (negative inside) and the shading rules every
// character shares, so that all sheets are lit alike from the top left.
namespace artgen {

constexpr float kPi = 3.14159265f;

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float SmoothStep(float e0, float e1, float v) {
  float t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

inline float SdCircle(Vec2 p, Vec2 c, float r) { return Length(p - c) - r; }

// Not an exact distance, but exact in sign and close near the outline.
inline float SdEllipse(Vec2 p, Vec2 c, float rx, float ry) {
  Vec2 q{(p.x - c.x) / rx, (p.y - c.y) / ry};
  float k = Length(q);
  return (k - 1) * std::min(rx, ry);
}

inline float SegmentT(Vec2 p, Vec2 a, Vec2 b) {
  Vec2 ab = b - a;
  float l2 = Dot(ab, ab);
  return l2 > 0 ? Clamp01(Dot(p - a, ab) / l2) : 0.0f;
}

// A stroke from a to b whose radius runs from ra to rb.
inline float SdCapsule(Vec2 p, Vec2 a, Vec2 b, float ra, float rb) {
  float t = SegmentT(p, a, b);
  return Length(p - Lerp(a, b, t)) - (ra + (rb - ra) * t);
}

inline float SdBox(Vec2 p, Vec2 c, Vec2 half, float round) {
  Vec2 d{std::fabs(p.x - c.x) - half.x + round, std::fabs(p.y - c.y) - half.y + round};
  Vec2 o{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
  return Length(o) + std::min(std::max(d.x, d.y), 0.0f) - round;
}

float SdPolygon(Vec2 p, const std::vector<Vec2>& poly);

// Quadratic Bezier sampled into a polyline: a stroke with a radius that runs
// from r0 to r1 along the curve.
struct Stroke {
  std::vector<Vec2> points;
  std::vector<float> radii;
  float Distance(Vec2 p) const;
  // Normal of the round tube the stroke outlines, for lighting it.
  Vec3 TubeNormal(Vec2 p) const;
  Box Bounds() const;
};
Stroke BezierStroke(Vec2 a, Vec2 control, Vec2 b, float r0, float r1, int pieces = 16);

inline float Union(float a, float b) { return std::min(a, b); }
inline float Intersect(float a, float b) { return std::max(a, b); }
inline float Subtract(float a, float b) { return std::max(a, -b); }

inline Box BoxAround(Vec2 c, float rx, float ry) {
  return {c.x - rx, c.y - ry, c.x + rx, c.y + ry};
}
inline Box BoxOf(Vec2 a, Vec2 b, float pad) {
  return {std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad, std::max(a.x, b.x) + pad,
          std::max(a.y, b.y) + pad};
}

// Normal of the front half of an ellipsoid whose outline is the given ellipse.
inline Vec3 BulgeNormal(Vec2 p, Vec2 c, float rx, float ry, float flatness = 1.0f) {
  float nx = (p.x - c.x) / rx, ny = (p.y - c.y) / ry;
  float z = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
  return Normalize({nx, ny, z * flatness + 0.05f});
}

// Cartoon lighting: wrapped diffuse, a soft shine spot and a dark rim.
struct Lighting {
  float ambient = 0.28f;
  float diffuse = 0.9f;
  float shine = 0.45f;
  float shininess = 28.0f;
};
Rgb Shade(Rgb base, Vec3 normal, Vec3 light, const Lighting& l = {});

}  // namespace artgen
