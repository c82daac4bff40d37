#include "Leaf.h"

#include "Palette.h"
#include "Shapes.h"

namespace artgen {

void DrawLeaf(Canvas& c, const Leaf& l, float theta, float shade) {
  float ang = (l.angle + l.swayA * std::cos(theta) + l.swayB * std::cos(2 * theta)) * kPi / 180;
  Vec2 dir{std::cos(ang), std::sin(ang)}, side{-dir.y, dir.x};
  float len = l.length, w = l.width, curl = l.curl;
  auto local = [=](Vec2 p) {
    Vec2 d = p - l.base;
    float u = Dot(d, dir), v = Dot(d, side);
    float t = u / len;
    return Vec2{t, v - curl * len * t * t};
  };
  auto halfWidth = [=](float t) {
    if (t <= 0 || t >= 1) return 0.0f;
    return w * std::pow(std::sin(kPi * std::pow(t, 0.8f)), 0.75f);
  };
  Vec2 tip = l.base + dir * len + side * (curl * len);
  Box b = BoxOf(l.base, tip, w + 4);
  Vec3 light = c.Light();
  Rgb leaf = Mix(Base(Material::Leaf), Base(Material::Stalk), l.young * 0.6f) * shade;
  Rgb vein = Mix(Base(Material::Stalk), Base(Material::Leaf), 0.3f) * shade;
  c.Fill(
      b,
      [=](Vec2 p) {
        Vec2 q = local(p);
        float hw = halfWidth(q.x);
        float across = std::fabs(q.y) - hw;
        return q.x <= 0 || q.x >= 1 ? 1.0f : across;
      },
      [=](Vec2 p, float d) {
        Vec2 q = local(p);
        float hw = std::max(0.5f, halfWidth(q.x));
        float s = q.y / hw;  // -1..1 across
        // The blade folds along its midrib: each half tilts its own way.
        Vec2 nxy = side * (s > 0 ? 0.3f : -0.3f) + side * (0.25f * s);
        Vec3 n = Normalize({nxy.x, nxy.y, 1});
        Rgb col = Shade(leaf, n, light, {0.3f, 0.75f, 0.05f, 30});
        col = col * (0.6f + 0.4f * SmoothStep(0.0f, 0.35f, q.x));
        float rib = std::fabs(q.y);
        if (rib < 0.9f + 0.9f * (1 - q.x))
          col = Mix(col, Shade(vein, n, light, {0.3f, 0.8f, 0.1f, 30}), 0.8f);
        // Side veins run out of the midrib toward the tip.
        float vv = std::fmod(q.x * 9 - std::fabs(s) * 0.9f + 10, 1.0f);
        if (std::fabs(s) > 0.15f && std::fabs(s) < 0.85f && vv < 0.08f) col = col * 1.18f;
        if (d > -1.0f) col = col * 0.5f;
        return Rgba{col, 1};
      });
}

}  // namespace artgen
