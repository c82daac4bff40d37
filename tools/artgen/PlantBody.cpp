#include <array>

#include "Leaf.h"
#include "Palette.h"
#include "Plant.h"
#include "Shapes.h"

namespace artgen {

namespace {

float Theta(float sway) { return kPi * sway; }

}  // namespace

void DrawNeckBead(Canvas& c, const Affine& place, Vec2 tl) {
  c.SetTransform(place);
  Vec2 o = tl + Vec2{7.5f, 8};
  Vec3 light = c.Light();
  Rgb stalk = Mix(Base(Material::Stalk), Base(Material::HeadGreen), 0.45f);
  // A squarish round so that neighbours overlap into one tube; only the
  // sides get a dark rim, the lower edge a soft ring.
  auto shape = [=](Vec2 p) {
    float ax = std::fabs(p.x - o.x) / 7.45f, ay = std::fabs(p.y - o.y) / 8.1f;
    return (std::pow(std::pow(ax, 2.6f) + std::pow(ay, 2.6f), 1 / 2.6f) - 1) * 7.45f;
  };
  c.Fill(BoxAround(o, 8, 8.5f), shape, [=](Vec2 p, float) {
    float nx = (p.x - o.x) / 7.45f, ny = (p.y - o.y) / 8.1f;
    Vec3 n = Normalize({nx, ny * 0.22f, std::sqrt(std::max(0.0f, 1 - nx * nx)) + 0.1f});
    Rgb col = Shade(stalk, n, light, {0.3f, 0.85f, 0.16f, 16});
    if (ny > 0.5f) col = col * (1 - 0.28f * SmoothStep(0.5f, 0.98f, ny));
    if (std::fabs(nx) > 0.86f) col = col * 0.6f;
    return Rgba{col, 1};
  });
}

void DrawBeadChain(Canvas& c, const Affine& place, Vec2 from, Vec2 control, Vec2 to,
                   float spacing) {
  std::vector<Vec2> pts;
  Vec2 last = from;
  pts.push_back(from);
  for (int i = 1; i <= 200; ++i) {
    float t = i / 200.0f;
    Vec2 p = Lerp(Lerp(from, control, t), Lerp(control, to, t), t);
    if (Length(p - last) >= spacing || i == 200) pts.push_back(p), last = p;
  }
  for (size_t i = pts.size(); i-- > 0;) DrawNeckBead(c, place, pts[i] - Vec2{7, 0});
}

// Leaves behind the stalk wave one way, those in front the other, so the
// foot seems to breathe; only cosines of the phase are used, which keeps
// the back-and-forth frame sequence smooth at both ends.
static const std::array<Leaf, 6> kBackLeaves{{
    {{66, 80}, 208, 66, 12, 0.12f, 7, 2},
    {{84, 80}, 332, 64, 12, -0.12f, -7, -2},
    {{70, 76}, 246, 48, 10, -0.1f, 6, -3},
    {{80, 76}, 294, 46, 10, 0.1f, -6, 3},
    {{68, 82}, 226, 54, 10.5f, -0.08f, 5, -2, 0.55f},
    {{82, 82}, 314, 52, 10.5f, 0.08f, -5, 2, 0.55f},
}};

void DrawFootBack(Canvas& c, const Affine& place, float sway, float raise) {
  c.SetTransform(place);
  float th = Theta(sway);
  for (size_t i = 0; i < kBackLeaves.size(); ++i) {
    Leaf l = kBackLeaves[i];
    l.angle += (i % 2 ? 1 : -1) * 14 * raise;
    DrawLeaf(c, l, th, i < 4 ? 0.8f : 1.0f);
  }
  Vec2 bulb{75, 80};
  Vec3 light = c.Light();
  Rgb skin = Mix(Base(Material::HeadGreen), Base(Material::Soil), 0.25f);
  c.Fill(
      BoxAround(bulb, 34, 22), [=](Vec2 p) { return SdEllipse(p, bulb, 31, 18); },
      [=](Vec2 p, float d) {
        Rgb col = Shade(skin, BulgeNormal(p, bulb, 31, 18), light, {0.3f, 0.85f, 0.12f, 20});
        if (d > -1) col = col * 0.5f;
        return Rgba{col, 1};
      });
  DrawBeadChain(c, place, {75, -4}, {75, 30}, {75, 68});
}

void DrawFootFront(Canvas& c, const Affine& place, float sway, float raise) {
  c.SetTransform(place);
  float th = Theta(sway);
  // The two big front leaves are the ones that fold up when the plant hides.
  Leaf left{{62, 86}, 186, 60, 13, 0.18f, -8, 2};
  Leaf right{{88, 86}, 354, 58, 13, -0.18f, 8, -2};
  float r = SmoothStep(0, 1, raise);
  // Closed, they cross over the head like a bud whose tips the eyes peek
  // over.
  left.angle += (280 - 186) * r, right.angle -= (354 - 259.5f) * r;
  left.length += 110 * r, right.length += 110 * r;
  left.width += 34 * r, right.width += 34 * r;
  left.curl = 0.18f - 0.24f * r, right.curl = -0.18f + 0.24f * r;
  DrawLeaf(c, right, th, 1.0f);
  DrawLeaf(c, left, th, 1.0f);
  // Earth mound with a few pebbles; it never moves, so the bottom rows of
  // every foot frame agree (the ducking pictures leave them standing).
  Vec2 mound{75, 108};
  Vec3 light = c.Light();
  Rgb soil = Base(Material::Soil);
  c.SetTransform(place);
  c.Fill(
      {5, 84, 146, 99}, [=](Vec2 p) { return SdEllipse(p, mound, 66, 20); },
      [=](Vec2 p, float d) {
        Rgb col = Shade(soil, BulgeNormal(p, mound, 66, 20), light);
        float grain = std::sin(p.x * 1.7f + p.y * 3.1f) * std::sin(p.x * 0.9f - p.y * 2.3f);
        col = col * (0.9f + 0.12f * grain);
        if (d > -1) col = col * 0.5f;
        return Rgba{col, 1};
      });
  static constexpr Vec2 kPebbles[] = {{38, 93}, {104, 92}, {120, 95}, {60, 96}};
  for (Vec2 pb : kPebbles) {
    c.Fill(
        BoxAround(pb, 5, 4), [=](Vec2 p) { return SdEllipse(p, pb, 4, 2.6f); },
        [=](Vec2 p, float) {
          return Rgba{Shade(Tint(Material::Grey, 0.35f), BulgeNormal(p, pb, 4, 2.6f), light), 1};
        });
  }
}

void DrawCollarAt(Canvas& c, const Affine& place) {
  // A ruff of small leaves around the stalk where it leaves the foot.
  c.SetTransform(place);
  DrawNeckBead(c, place, {13, -6});
  DrawNeckBead(c, place, {13, 2});
  // Outer leaves first, so the short upright ones sit in front.
  struct Frill {
    float angle, length, width, shade;
  };
  static constexpr Frill kFrill[] = {
      {188, 19, 5, 0.8f},     {352, 19, 5, 0.8f},     {212, 17, 5, 0.95f}, {328, 17, 5, 0.95f},
      {238, 13, 4.5f, 1.05f}, {302, 13, 4.5f, 1.05f}, {200, 12, 4, 1.15f}, {340, 12, 4, 1.15f}};
  for (const Frill& f : kFrill) {
    Leaf l{{20.5f, 15.5f}, f.angle, f.length, f.width, 0, 0, 0};
    DrawLeaf(c, l, 0, f.shade);
  }
}

void DrawFootFrame(Canvas& c, int frame) {
  float sway = frame / 9.0f;
  DrawFootBack(c, Affine{}, sway, 0);
  DrawFootFront(c, Affine{}, sway, 0);
}

void DrawCollar(Canvas& c) { DrawCollarAt(c, Affine{}); }

void DrawNeckSegment(Canvas& c) { DrawNeckBead(c, Affine{}, {0, 0}); }

}  // namespace artgen
