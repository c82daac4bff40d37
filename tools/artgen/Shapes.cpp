#include "Shapes.h"

namespace artgen {

float SdPolygon(Vec2 p, const std::vector<Vec2>& v) {
  float d = Dot(p - v[0], p - v[0]);
  float s = 1;
  for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
    Vec2 e = v[j] - v[i], w = p - v[i];
    Vec2 b = w - e * Clamp01(Dot(w, e) / Dot(e, e));
    d = std::min(d, Dot(b, b));
    bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
  }
  return s * std::sqrt(d);
}

float Stroke::Distance(Vec2 p) const {
  float best = 1e9f;
  for (size_t i = 0; i + 1 < points.size(); ++i)
    best = std::min(best, SdCapsule(p, points[i], points[i + 1], radii[i], radii[i + 1]));
  return best;
}

Vec3 Stroke::TubeNormal(Vec2 p) const {
  float best = 1e9f;
  Vec3 n{0, 0, 1};
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    float t = SegmentT(p, points[i], points[i + 1]);
    float r = radii[i] + (radii[i + 1] - radii[i]) * t;
    Vec2 d = p - Lerp(points[i], points[i + 1], t);
    float dist = Length(d) - r;
    if (dist < best) {
      best = dist;
      Vec2 q = d * (1 / std::max(r, 0.01f));
      float z = std::sqrt(std::max(0.0f, 1 - Dot(q, q)));
      n = Normalize({q.x, q.y, z + 0.05f});
    }
  }
  return n;
}

Box Stroke::Bounds() const {
  Box b{1e9f, 1e9f, -1e9f, -1e9f};
  for (size_t i = 0; i < points.size(); ++i) {
    b.x0 = std::min(b.x0, points[i].x - radii[i]);
    b.y0 = std::min(b.y0, points[i].y - radii[i]);
    b.x1 = std::max(b.x1, points[i].x + radii[i]);
    b.y1 = std::max(b.y1, points[i].y + radii[i]);
  }
  return b;
}

Stroke BezierStroke(Vec2 a, Vec2 c, Vec2 b, float r0, float r1, int pieces) {
  Stroke s;
  for (int i = 0; i <= pieces; ++i) {
    float t = static_cast<float>(i) / pieces;
    Vec2 p = Lerp(Lerp(a, c, t), Lerp(c, b, t), t);
    s.points.push_back(p);
    s.radii.push_back(r0 + (r1 - r0) * t);
  }
  return s;
}

Rgb Shade(Rgb base, Vec3 n, Vec3 light, const Lighting& l) {
  float ndl = Dot(n, light);
  float wrap = Clamp01((ndl + 0.35f) / 1.35f);
  float k = l.ambient + l.diffuse * wrap;
  Vec3 h = Normalize({light.x, light.y, light.z + 1});
  float glint = std::pow(Clamp01(Dot(n, h)), l.shininess) * l.shine;
  float rim = 1 - 0.35f * std::pow(1 - Clamp01(n.z), 3.0f);
  Rgb c = base * (k * rim);
  return c + Rgb{glint, glint, glint};
}

}  // namespace artgen
