#include "CanBody.h"

#include "Eyes.h"
#include "Palette.h"
#include "Shapes.h"

namespace artgen {

namespace {

constexpr float kTop = 60, kBottom = 138;

float TankHalfWidth(float y) { return 43 + 7 * Clamp01((y - kTop) / (kBottom - kTop)); }

float SdTank(Vec2 p) {
  float cy = (kTop + kBottom) / 2, hh = (kBottom - kTop) / 2;
  float hw = TankHalfWidth(p.y);
  Vec2 q{kTankCentre.x + (p.x - kTankCentre.x) * 50 / hw, p.y};
  return SdBox(q, {kTankCentre.x, cy}, {50, hh}, 15);
}

Vec2 SpoutRoot() { return {141, 124}; }

Stroke SpoutStroke(float raise, float length) {
  Vec2 root = SpoutRoot();
  Vec2 tip = RoseCentre(raise, length) - SpoutDirection(raise) * 5;
  Vec2 mid = root + Vec2{26, -14} + (tip - root) * 0.25f;
  return BezierStroke(root, mid, tip, 8.5f, 4.2f, 18);
}

}  // namespace

Vec2 SpoutDirection(float raise) { return Rotate(Vec2{0.55f, -0.835f}, -raise); }

Vec2 RoseCentre(float raise, float length) {
  Vec2 root = SpoutRoot();
  return root + Rotate(Vec2{50, -60} * length, -raise * 0.8f);
}

void DrawLeg(Canvas& c, const Affine& place, Vec2 hip, Vec2 knee, Vec2 ankle, bool near) {
  c.SetTransform(place);
  Vec3 light = c.Light();
  Rgb steel = Tint(Material::Grey, near ? 0.42f : 0.3f);
  auto limb = [&](Vec2 a, Vec2 b) {
    Vec2 d = b - a;
    float len = Length(d);
    Vec2 side{-d.y / len, d.x / len};
    c.Fill(
        BoxOf(a, b, 6), [=](Vec2 p) { return SdCapsule(p, a, b, 3.5f, 3.5f); },
        [=](Vec2 p, float e) {
          float s = Clamp01(Dot(p - a, side) / 3.5f * 0.5f + 0.5f) * 2 - 1;
          Vec3 n = Normalize({side.x * s, side.y * s, std::sqrt(std::max(0.0f, 1 - s * s))});
          Rgb col = Shade(steel, n, light, {0.3f, 0.8f, 0.8f, 30});
          if (e > -0.8f) col = col * 0.4f;
          return Rgba{col, 1};
        });
  };
  limb(hip, knee);
  limb(knee, ankle);
  c.Fill(
      BoxAround(knee, 6, 6), [=](Vec2 p) { return SdCircle(p, knee, 4.4f); },
      [=](Vec2 p, float) {
        return Rgba{Shade(steel, BulgeNormal(p, knee, 4.4f, 4.4f), light), 1};
      });
  Vec2 shoe = ankle + Vec2{5, 3};
  Rgb red = Base(Material::Lip) * (near ? 1.0f : 0.75f);
  c.Fill(
      BoxAround(shoe, 14, 9),
      [=](Vec2 p) { return Union(SdEllipse(p, shoe, 11.5f, 6.5f), SdCircle(p, ankle, 4)); },
      [=](Vec2 p, float e) {
        Rgb col = Shade(red, BulgeNormal(p, shoe, 11.5f, 6.5f), light, {0.3f, 0.8f, 0.7f, 40});
        if (p.y > shoe.y + 3.5f) col = Tint(Material::Grey, 0.1f);  // sole
        if (e > -0.9f) col = col * 0.4f;
        return Rgba{col, 1};
      });
}

void DrawCanBody(Canvas& c, const Affine& place, const CanFace& f) {
  c.SetTransform(place);
  Vec3 light = c.Light();
  Rgb enamel = Base(Material::Enamel);
  Rgb brass = Base(Material::Brass);
  auto edge = [](Rgb col, float d, float w = 1.1f) { return d > -w ? col * 0.4f : col; };

  // Handle on the back, behind the tank.
  Stroke handle = BezierStroke({66, 72}, {14, 64}, {56, 126}, 6, 6, 20);
  c.Fill(
      handle.Bounds(), [=](Vec2 p) { return handle.Distance(p); },
      [=](Vec2 p, float d) {
        return Rgba{edge(Shade(enamel * 0.85f, handle.TubeNormal(p), light), d), 1};
      });

  // Spout, then its rose or bell, behind the tank's front edge.
  Stroke spout = SpoutStroke(f.spoutRaise, f.spoutLength);
  c.Fill(
      spout.Bounds(), [=](Vec2 p) { return spout.Distance(p); },
      [=](Vec2 p, float d) {
        return Rgba{edge(Shade(enamel, spout.TubeNormal(p), light), d), 1};
      });
  Vec2 rc = RoseCentre(f.spoutRaise, f.spoutLength), dir = SpoutDirection(f.spoutRaise);
  Vec2 side{-dir.y, dir.x};
  if (f.bell <= 0) {
    auto rose = [=](Vec2 p) {
      Vec2 d = p - rc;
      return SdEllipse({Dot(d, dir), Dot(d, side)}, {0, 0}, 5.5f, 11.5f);
    };
    c.Fill(BoxAround(rc, 14, 14), rose, [=](Vec2 p, float d) {
      Vec2 q = p - rc;
      Vec2 l{Dot(q, dir), Dot(q, side)};
      Vec3 n = Normalize(
          {dir.x * 0.8f + side.x * l.y / 11.5f, dir.y * 0.8f + side.y * l.y / 11.5f, 0.7f});
      Rgb col = Shade(brass, n, light, {0.3f, 0.8f, 0.8f, 30});
      // Sprinkler holes on the face of the rose.
      if (l.x > 1.5f && std::fmod(std::fabs(l.y) + 1.5f, 3.0f) < 1.1f) col = col * 0.45f;
      return Rgba{edge(col, d), 1};
    });
  } else {
    float flare = 10 + 8 * f.bell;
    auto bell = [=](Vec2 p) {
      Vec2 q = p - rc;
      float u = Dot(q, dir), v = std::fabs(Dot(q, side));
      float w = 4.5f + (flare - 4.5f) * std::pow(Clamp01((u + 10) / 16), 2.2f);
      return std::max(std::max(v - w, -10 - u), u - 6);
    };
    c.Fill(BoxAround(rc, 26, 26), bell, [=](Vec2 p, float d) {
      Vec2 q = p - rc;
      float v = Dot(q, side) / flare;
      Vec3 n = Normalize({side.x * v - dir.x * 0.3f, side.y * v - dir.y * 0.3f, 0.8f});
      return Rgba{edge(Shade(brass, n, light, {0.3f, 0.85f, 0.9f, 30}), d), 1};
    });
    Vec2 mouth = rc + dir * 6;
    c.Fill(
        BoxAround(mouth, flare + 3, flare + 3),
        [=](Vec2 p) {
          Vec2 q = p - mouth;
          return SdEllipse({Dot(q, dir), Dot(q, side)}, {0, 0}, 2.6f, flare - 1.5f);
        },
        Tint(Material::Brass, 0.2f));
  }

  // The tank: a tapered drum lit like a cylinder, with brass bands.
  c.Fill({40, 50, 160, 150}, SdTank, [=](Vec2 p, float d) {
    float hw = TankHalfWidth(p.y);
    float nx = (p.x - kTankCentre.x) / hw;
    float ny = std::pow(Clamp01((std::fabs(p.y - 99) - 26) / 14), 2) * (p.y < 99 ? -1 : 1);
    Vec3 n = Normalize({nx, ny * 0.8f, std::sqrt(std::max(0.05f, 1 - nx * nx))});
    bool band = (p.y > 67.5f && p.y < 73) || (p.y > 126 && p.y < 133);
    Rgb col = Shade(band ? brass : enamel, n, light, {0.26f, 0.85f, band ? 0.8f : 0.6f, 24});
    if (band && (std::fabs(p.y - 68) < 0.8f || std::fabs(p.y - 126.5f) < 0.8f)) col = col * 0.6f;
    return Rgba{edge(col, d, 1.3f), 1};
  });
  // Lid and knob.
  Vec2 lid{100, 61};
  c.Fill(
      BoxAround(lid, 44, 10), [=](Vec2 p) { return SdEllipse(p, lid, 40, 7.5f); },
      [=](Vec2 p, float d) {
        Rgb col = Shade(enamel * 1.1f, BulgeNormal(p, lid, 40, 7.5f, 0.6f), light);
        return Rgba{edge(col, d), 1};
      });
  Vec2 knob{100, 56};
  c.Fill(
      BoxAround(knob, 7, 7), [=](Vec2 p) { return SdCircle(p, knob, 4.2f); },
      [=](Vec2 p, float d) {
        return Rgba{
            edge(Shade(brass, BulgeNormal(p, knob, 4.2f, 4.2f), light, {0.3f, 0.8f, 0.9f, 30}), d),
            1};
      });

  // Face: two big eyes, brows, blush and a smile.
  EyeStyle st;
  st.iris = Mix(Base(Material::Soil), Base(Material::Brass), 0.3f);
  st.irisScale = 0.62f;
  st.pupilScale = 0.6f;
  st.lid = enamel * 0.8f;
  st.squint = f.happy;
  float lid2 = f.happy ? 1.0f : f.lid;
  st.radius = 14;
  st.lidTilt = 0.12f;
  DrawEye(c, {92, 94}, st, f.look, lid2);
  st.radius = 13;
  st.lidTilt = -0.12f;
  DrawEye(c, {123, 92}, st, f.look, lid2);
  Rgb blush = Mix(Base(Material::Tongue), enamel, 0.45f);
  for (Vec2 b : {Vec2{78, 114}, Vec2{136, 111}}) {
    c.Fill(
        BoxAround(b, 8, 5), [=](Vec2 p) { return SdEllipse(p, b, 6.5f, 3.5f); },
        [=](Vec2 p, float) {
          return Rgba{blush, 0.8f * Clamp01(1.2f - Length(p - b) / 6.5f)};
        });
  }
  Stroke smile = f.happy ? BezierStroke({95, 112}, {108, 128}, {122, 110}, 1.6f, 1.6f)
                         : BezierStroke({98, 114}, {108, 122}, {118, 113}, 1.4f, 1.4f);
  c.Fill(
      smile.Bounds(), [=](Vec2 p) { return smile.Distance(p); }, Tint(Material::Enamel, 0.12f));
  for (int i = 0; i < 2; ++i) {
    Vec2 a = i ? Vec2{114, 77} : Vec2{82, 79}, b = a + Vec2{17, i ? 1.5f : -2.0f};
    Stroke brow = BezierStroke(a, (a + b) * 0.5f + Vec2{0, f.happy ? -4.0f : -2.5f}, b, 1.6f, 1.2f);
    c.Fill(
        brow.Bounds(), [=](Vec2 p) { return brow.Distance(p); }, Tint(Material::Enamel, 0.1f));
  }
}

}  // namespace artgen
