#include "Flies.h"

#include "Eyes.h"
#include "Palette.h"
#include "Shapes.h"

namespace artgen {

namespace {

auto Outline(float w = 0.8f) {
  return [w](Rgb col, float d) { return d > -w ? col * 0.35f : col; };
}

void DrawWing(Canvas& c, Vec2 root, float angle, float length, float width, float tone) {
  Vec2 dir{std::cos(angle), std::sin(angle)}, side{-dir.y, dir.x};
  Vec2 mid = root + dir * (length * 0.5f);
  Box b = BoxAround(mid, length * 0.5f + width + 2, length * 0.5f + width + 2);
  auto local = [=](Vec2 p) {
    Vec2 d = p - mid;
    return Vec2{Dot(d, dir) / (length * 0.5f), Dot(d, side) / width};
  };
  Rgb membrane = Mix(Base(Material::Water), Base(Material::Grey), 0.6f) * tone;
  auto edge = Outline(0.9f);
  c.Fill(
      b,
      [=](Vec2 p) {
        Vec2 q = local(p);
        return (Length(q) - 1) * width;
      },
      [=](Vec2 p, float d) {
        Vec2 q = local(p);
        float sheen = Clamp01(0.55f - 0.5f * q.y + 0.25f * q.x);
        Rgb col = Mix(membrane * 0.55f, membrane, sheen);
        // Veins fan out from the root.
        float vein = std::fabs(std::sin((q.y / (q.x + 1.25f)) * 5.0f));
        if (vein < 0.12f && q.x > -0.7f) col = col * 0.6f;
        return Rgba{edge(col, d), 1};
      });
}

void DrawSmallFly(Canvas& c, const Affine& place, bool wingsDown, bool hover) {
  c.SetTransform(place);
  Vec3 light = c.Light();
  Rgb shell = Base(Material::FlyBody);
  Rgb dark = Tint(Material::Grey, 0.05f);
  auto edge = Outline();
  // Legs hang under the thorax.
  for (int i = 0; i < 3; ++i) {
    Vec2 a{24.0f + 4 * i, 25}, k = a + Vec2{-2.0f + 2 * i, 5}, f = k + Vec2{-3.0f + 3 * i, 4};
    Stroke s = BezierStroke(a, k, f, 0.9f, 0.6f, 6);
    c.Fill(
        s.Bounds(), [=](Vec2 p) { return s.Distance(p); }, dark);
  }
  DrawWing(c, {27, 15}, wingsDown ? -2.8f : -2.2f, 14, 5, 0.7f);
  Vec2 abd{17, 23}, tho{28, 20}, head{37.5f, 18};
  c.Fill(
      BoxAround(abd, 11, 8), [=](Vec2 p) { return SdEllipse(p, abd, 9.5f, 6); },
      [=](Vec2 p, float d) {
        Rgb col = Shade(shell * 0.9f, BulgeNormal(p, abd, 9.5f, 6), light, {0.25f, 0.9f, 0.9f, 20});
        if (std::fmod(p.x + 40, 4.2f) < 1.3f) col = col * 0.55f;
        return Rgba{edge(col, d), 1};
      });
  c.Fill(
      BoxAround(tho, 9, 8), [=](Vec2 p) { return SdEllipse(p, tho, 7.5f, 6.5f); },
      [=](Vec2 p, float d) {
        // Iridescence: the hue swings toward green across the shell.
        Rgb tint = Mix(shell, Base(Material::Leaf), Clamp01((p.x - tho.x) / 7 + 0.5f));
        return Rgba{
            edge(Shade(tint, BulgeNormal(p, tho, 7.5f, 6.5f), light, {0.25f, 0.9f, 1.0f, 18}), d),
            1};
      });
  c.Fill(
      BoxAround(head, 7, 7), [=](Vec2 p) { return SdCircle(p, head, 5.2f); },
      [=](Vec2 p, float d) {
        return Rgba{edge(Shade(shell * 0.7f, BulgeNormal(p, head, 5.2f, 5.2f), light), d), 1};
      });
  EyeStyle st;
  st.radius = 4.6f;
  st.iris = Base(Material::FlyEye);
  st.irisScale = 0.7f;
  st.pupilScale = 0.55f;
  st.lid = shell * 0.6f;
  DrawEye(c, head + Vec2{1.5f, -2.5f}, st, hover ? Vec2{0.1f, 0.3f} : Vec2{0.7f, 0.1f}, 0.15f);
  DrawWing(c, {29, 14}, wingsDown ? -2.65f : -2.0f, 15, 5.5f, 1.0f);
}

// --- big fly -------------------------------------------------------------

constexpr Vec2 kStingRoot{139, 99};
constexpr Vec2 kStingTips[4] = {{191, 138}, {185, 134}, {179, 130}, {186, 136}};

void DrawStinger(Canvas& c, int frame) {
  Vec3 light = c.Light();
  Vec2 tip = kStingTips[frame];
  Vec2 dir = (tip - kStingRoot) * (1 / Length(tip - kStingRoot));
  Vec2 side{-dir.y, dir.x};
  Stroke s = BezierStroke(kStingRoot, Lerp(kStingRoot, tip, 0.5f) + side * 3, tip, 4.5f, 0.6f, 24);
  Rgb sting = Base(Material::Sting);
  float len = Length(tip - kStingRoot);
  c.Fill(
      s.Bounds(), [=](Vec2 p) { return s.Distance(p); },
      [=](Vec2 p, float d) {
        float u = Dot(p - kStingRoot, dir) / len;
        float v = Dot(p - kStingRoot, side);
        Vec3 n = Normalize({side.x * v * 0.3f, side.y * v * 0.3f, 1});
        bool ring = std::fmod(u * 7 + 0.2f * frame, 1.0f) < 0.38f && u < 0.85f;
        Rgb col =
            Shade(ring ? Tint(Material::Grey, 0.05f) : sting, n, light, {0.3f, 0.85f, 1.0f, 30});
        return Rgba{d > -0.7f ? col * 0.4f : col, 1};
      });
  if (frame <= 1) {
    Vec2 drop = tip + Vec2{1.0f, 4.0f + 1.5f * frame};
    c.Fill(
        BoxAround(drop, 4, 5), [=](Vec2 p) { return SdEllipse(p, drop, 2.2f, 2.8f); },
        [=](Vec2 p, float) {
          Rgb venom = Mix(Base(Material::Stalk), Base(Material::Sting), 0.3f);
          return Rgba{Shade(venom, BulgeNormal(p, drop, 2.2f, 2.8f), light, {0.4f, 0.7f, 1, 20}),
                      1};
        });
  }
}

void DrawBigFlyAll(Canvas& c, const Affine& place, int frame) {
  c.SetTransform(place);
  Vec3 light = c.Light();
  Rgb body = Base(Material::BigFly);
  Rgb dark = Tint(Material::BigFly, 0.14f);
  auto edge = Outline(1.3f);
  static constexpr float kWing[4] = {-1.9f, -2.4f, -2.85f, -2.4f};
  DrawWing(c, {104, 56}, kWing[frame] + 0.2f, 50, 15, 0.65f);
  // Hooked legs dangle under the thorax, swinging a little with the beat.
  float swing = 0.08f * std::sin(frame * kPi / 2);
  for (int i = 0; i < 3; ++i) {
    Vec2 hip{98.0f + 14 * i, 90};
    Vec2 knee = hip + Rotate({-6.0f + 4 * i, 18}, swing);
    Vec2 foot = knee + Rotate({-8.0f + 3 * i, 16}, swing * 2);
    Vec2 hook = foot + Vec2{5, 2};
    for (auto [a, b, r] : {std::tuple{hip, knee, 2.6f}, std::tuple{knee, foot, 2.0f},
                           std::tuple{foot, hook, 1.3f}}) {
      c.Fill(
          BoxOf(a, b, 4), [=](Vec2 p) { return SdCapsule(p, a, b, r, r * 0.8f); },
          [=](Vec2 p, float d) {
            Rgb col = Shade(dark * 2.2f, BulgeNormal(p, (a + b) * 0.5f, 8, 8), light);
            return Rgba{edge(col, d), 1};
          });
    }
  }
  // Striped abdomen with a pointed end.
  Vec2 abd{60, 84};
  float ang = 0.3f;
  auto abdSd = [=](Vec2 p) {
    Vec2 q = Rotate(p - abd, -ang);
    float taper = q.x < 0 ? 1 + q.x / 90 : 1;
    return SdEllipse({q.x, q.y / std::max(0.3f, taper)}, {0, 0}, 46, 27);
  };
  c.Fill({6, 40, 120, 130}, abdSd, [=](Vec2 p, float d) {
    Vec2 q = Rotate(p - abd, -ang);
    Vec3 n = BulgeNormal(Rotate(q, ang) + abd, abd, 46, 26);
    bool stripe = std::fmod(q.x + 200, 17.0f) < 7.5f;
    Rgb base = stripe ? Tint(Material::Sting, 0.9f) : body * 0.55f;
    Rgb col = Shade(base, n, light, {0.25f, 0.9f, 0.7f, 24});
    return Rgba{edge(col, d), 1};
  });
  // Fuzzy thorax: a ring of hairs around a lit ball.
  Vec2 tho{110, 72};
  c.Fill(
      BoxAround(tho, 32, 32),
      [=](Vec2 p) {
        Vec2 d = p - tho;
        float a = std::atan2(d.y, d.x);
        return Length(d) - (25 + 2.2f * std::fabs(std::sin(a * 11)));
      },
      [=](Vec2 p, float d) {
        Rgb col = Shade(body * 0.8f, BulgeNormal(p, tho, 27, 27), light, {0.25f, 0.9f, 0.25f, 24});
        return Rgba{edge(col, d), 1};
      });
  DrawStinger(c, frame);
  // Head with mandibles and huge red compound eyes under angry brows.
  Vec2 head{145, 80};
  c.Fill(
      BoxAround(head, 24, 24), [=](Vec2 p) { return SdEllipse(p, head, 21, 19); },
      [=](Vec2 p, float d) {
        return Rgba{edge(Shade(body * 0.7f, BulgeNormal(p, head, 21, 19), light), d), 1};
      });
  for (int side = 0; side < 2; ++side) {
    Vec2 a = head + Vec2{6.0f + 4 * side, 14}, b = a + Vec2{9, 8.0f - 3 * side};
    c.Fill(
        BoxOf(a, b, 5), [=](Vec2 p) { return SdCapsule(p, a, b, 3, 1); },
        [=](Vec2 p, float d) {
          return Rgba{
              edge(Shade(Tint(Material::Soil, 0.5f), BulgeNormal(p, (a + b) * 0.5f, 6, 6), light),
                   d),
              1};
        });
  }
  struct CompoundEye {
    Vec2 at;
    float r;
  };
  const CompoundEye eyes[2] = {{{140, 63}, 13}, {{157, 70}, 16}};
  for (const CompoundEye& e : eyes) {
    Vec2 o = e.at;
    float r = e.r;
    c.Fill(
        BoxAround(o, r + 2, r + 2), [=](Vec2 p) { return SdCircle(p, o, r); },
        [=](Vec2 p, float d) {
          Vec3 n = BulgeNormal(p, o, r, r);
          Rgb col = Shade(Base(Material::FlyEye), n, light, {0.25f, 0.9f, 0.9f, 40});
          // Facets: a fine honeycomb of darker seams.
          float fx = std::sin(p.x * 1.9f), fy = std::sin((p.y + p.x * 0.5f) * 1.9f);
          if (std::fabs(fx * fy) > 0.75f) col = col * 0.7f;
          return Rgba{d > -1.2f ? col * 0.35f : col, 1};
        });
    // Tiny fierce pupil and glint.
    Vec2 pupil = o + Vec2{r * 0.35f, r * 0.05f};
    c.Fill(
        BoxAround(pupil, 4, 4), [=](Vec2 p) { return SdEllipse(p, pupil, 2.2f, 3.2f); },
        Rgb{0.9f, 0.8f, 0.1f});
    c.Fill(
        BoxAround(pupil, 4, 4), [=](Vec2 p) { return SdEllipse(p, pupil, 0.9f, 2.6f); }, Rgb{});
    Vec2 glint = o + Vec2{-r * 0.4f, -r * 0.45f};
    c.Fill(
        BoxAround(glint, 4, 4), [=](Vec2 p) { return SdCircle(p, glint, r * 0.16f); },
        Rgb{1, 1, 1});
    // Angry lid: a dark brow cutting the top of the eye, low toward the front.
    c.Fill(
        BoxAround(o, r + 3, r + 3),
        [=](Vec2 p) {
          Vec2 q = Rotate(p - o, -0.42f);
          return Intersect(SdCircle(p, o, r + 1.5f), q.y + r * 0.35f);
        },
        [=](Vec2 p, float d) {
          Rgb col = Shade(dark * 1.6f, BulgeNormal(p, o, r + 2, r + 2), light);
          return Rgba{d > -1.2f ? col * 0.4f : col, 1};
        });
  }
  // Heavy brows slanting down toward the front make the scowl.
  for (auto [a, b] :
       {std::pair{Vec2{128, 50}, Vec2{149, 58}}, std::pair{Vec2{146, 53}, Vec2{171, 64}}}) {
    Stroke brow = BezierStroke(a, (a + b) * 0.5f + Vec2{-1, -3}, b, 3.8f, 2.4f, 10);
    c.Fill(
        brow.Bounds(), [=](Vec2 p) { return brow.Distance(p); },
        [=](Vec2 p, float d) {
          Rgb col =
              Shade(Tint(Material::Grey, 0.08f), brow.TubeNormal(p), light, {0.3f, 0.8f, 0.5f, 20});
          return Rgba{edge(col, d), 1};
        });
  }
  DrawWing(c, {112, 55}, kWing[frame], 50, 16, 1.0f);
}

}  // namespace

void DrawFlyAt(Canvas& c, const Affine& place, int frame) {
  int pair = frame / 2;
  bool down = frame % 2 == 1;
  // Fast flight leans the body into the direction of travel.
  static constexpr float kLean[5] = {0.38f, 0.16f, 0, 0.16f, 0.38f};
  bool left = pair < 2;
  Affine turn = Affine::RotateAbout({29, 20}, kLean[pair] * 0.9f);
  Affine mirror = left ? Affine{-1, 0, 60, 0, 1, 0} : Affine{};
  DrawSmallFly(c, turn.Then(Affine::Translate(0, 4)).Then(mirror).Then(place), down, pair == 2);
}

void DrawFly(Canvas& c, int frame) { DrawFlyAt(c, Affine{}, frame); }

void DrawBigFly(Canvas& c, int frame) { DrawBigFlyAll(c, Affine{}, frame); }

void DrawSting(Canvas& c, int frame) { DrawBigFlyAll(c, Affine::Translate(-117, -121), frame); }

}  // namespace artgen
