#include <array>

#include "Eyes.h"
#include "Leaf.h"
#include "Palette.h"
#include "Plant.h"
#include "Shapes.h"

namespace artgen {

namespace {

// The closed head is one egg split by the lip line; the top half (with the
// eyes) lifts about the mouth corner and the lower jaw drops about it.
constexpr Vec2 kEggCentre{138, 90};
constexpr float kEggRx = 76, kEggRy = 50;
constexpr Vec2 kHinge{168, 104};
constexpr float kSnoutX = 64;

float LipY(float x) {
  if (x > kHinge.x) return kHinge.y + (x - kHinge.x) * 0.6f;
  float t = Clamp01((x - kSnoutX) / (kHinge.x - kSnoutX));
  return 97 + 7 * t + 5 * std::sin(kPi * t);
}

float SdEgg(Vec2 p) { return SdEllipse(p, kEggCentre, kEggRx, kEggRy); }

// Points of the head frame seen in the resting frame of a jaw turned by `a`.
Vec2 IntoJaw(Vec2 p, float a) { return kHinge + Rotate(p - kHinge, -a); }

Vec3 TurnNormal(Vec3 n, float a) {
  Vec2 xy = Rotate({n.x, n.y}, a);
  return {xy.x, xy.y, n.z};
}

struct Tooth {
  float x, length;
};
constexpr std::array<Tooth, 6> kUpperTeeth{
    {{76, 9}, {90, 10}, {104, 9}, {118, 8}, {132, 7}, {146, 5}}};
constexpr std::array<Tooth, 5> kLowerTeeth{{{83, 8}, {97, 9}, {111, 8}, {125, 7}, {139, 5}}};

void DrawTooth(Canvas& c, float jaw, float x, float len, bool upper) {
  float half = 4.6f * std::min(1.0f, len / 8);
  float base = upper ? LipY(x) - 2.5f : LipY(x) + 2.5f;
  float tip = upper ? base + len : base - len;
  std::vector<Vec2> tri = {{x - half, base}, {x + half, base}, {x + 0.8f, tip}};
  Vec3 light = c.Light();
  Rgb ivory = Base(Material::Ivory);
  Box b{1e9f, 1e9f, -1e9f, -1e9f};
  for (Vec2 v : tri) {
    Vec2 w = kHinge + Rotate(v - kHinge, jaw);
    b = {std::min(b.x0, w.x), std::min(b.y0, w.y), std::max(b.x1, w.x), std::max(b.y1, w.y)};
  }
  b = {b.x0 - 1, b.y0 - 1, b.x1 + 1, b.y1 + 1};
  c.Fill(
      b, [=](Vec2 p) { return SdPolygon(IntoJaw(p, jaw), tri) - 0.3f; },
      [=](Vec2 p, float d) {
        Vec2 q = IntoJaw(p, jaw);
        float across = (q.x - x) / half;
        Vec3 n = TurnNormal(Normalize({across * 0.8f, upper ? -0.2f : 0.2f, 1}), jaw);
        Rgb col = Shade(ivory, n, light, {0.5f, 0.55f, 0.6f, 20});
        if (d > -0.7f) col = col * 0.45f;
        return Rgba{col, 1};
      });
}

Vec2 JawTip(float a) { return kHinge + Rotate(Vec2{kSnoutX + 1, LipY(kSnoutX)} - kHinge, a); }

void DrawCavity(Canvas& c, const HeadPose& s) {
  float jawLen = Length(kHinge - Vec2{kSnoutX, LipY(kSnoutX)});
  Box b{kHinge.x - jawLen - 30, kHinge.y - jawLen - 10, kHinge.x + 4, kHinge.y + jawLen + 10};
  // The open side of the mouth is the line between the two jaw tips.
  Vec2 tu = JawTip(s.upperJaw), tl = JawTip(-s.lowerJaw);
  Vec2 chord = tl - tu;
  Vec2 outward = Vec2{chord.y, -chord.x} * (1 / std::max(0.01f, Length(chord)));
  float gap = std::max(2.0f, Length(chord));
  c.Fill(
      b,
      [=](Vec2 p) {
        Vec2 qu = IntoJaw(p, s.upperJaw), ql = IntoJaw(p, -s.lowerJaw);
        float belowUpper = LipY(qu.x) - qu.y, aboveLower = ql.y - LipY(ql.x);
        // The open side curves in toward the throat like a cheek.
        float sign = Dot(kHinge - tu, outward) > 0 ? -1.0f : 1.0f;
        float along = Clamp01(Dot(p - tu, chord) / std::max(1.0f, Dot(chord, chord))) * 2 - 1;
        float front = Dot(p - tu, outward) * sign + 0.07f * gap * (1 - along * along);
        return Intersect(Intersect(belowUpper, aboveLower), Intersect(front, p.x - kHinge.x - 2));
      },
      [=](Vec2 p, float) {
        Vec2 qu = IntoJaw(p, s.upperJaw), ql = IntoJaw(p, -s.lowerJaw);
        float fromLips = std::min(qu.y - LipY(qu.x), LipY(ql.x) - ql.y);
        float depth = Clamp01(fromLips / (0.22f * gap + 3));
        float back = Clamp01(Length(p - kHinge) / jawLen);
        Rgb deep = Tint(Material::Throat, 0.1f);
        Rgb near = Base(Material::Throat) * 1.15f;
        Rgb col = Mix(near, deep, Clamp01(0.85f * depth + 0.5f * (1 - back)));
        return Rgba{col, 1};
      });
  // The tongue rests on the lower jaw and curls up near the front.
  float lj = -s.lowerJaw;
  Vec3 light = c.Light();
  Rgb pink = Base(Material::Tongue);
  auto tongue = [=](Vec2 p) {
    Vec2 q = IntoJaw(p, lj);
    float body = SdEllipse(q, {122, LipY(122) + 1}, 36, 8.5f);
    float tip = SdEllipse(q, {90, LipY(90) - 1}, 10, 7);
    return Union(body, tip);
  };
  c.Fill({40, 40, 200, 190}, tongue, [=](Vec2 p, float d) {
    Vec2 q = IntoJaw(p, lj);
    Vec3 n = TurnNormal(BulgeNormal(q, {116, LipY(116) + 1}, 44, 10, 0.7f), lj);
    Rgb col = Shade(pink, n, light, {0.35f, 0.75f, 0.55f, 30});
    float groove = std::fabs(q.y - (LipY(q.x) - 1.5f));
    if (q.x > 96 && q.x < 150 && groove < 0.8f) col = col * 0.7f;
    if (d > -0.8f) col = col * 0.55f;
    return Rgba{col, 1};
  });
}

void DrawJaw(Canvas& c, const HeadPose& s, bool upper) {
  float a = upper ? s.upperJaw : -s.lowerJaw;
  float open = Clamp01((s.upperJaw + s.lowerJaw) / 0.8f);
  float band = 1.3f + 4.0f * open;
  Vec3 light = c.Light();
  Rgb skin = Base(Material::HeadGreen);
  Rgb belly = Mix(Base(Material::Stalk), Base(Material::HeadGreen), 0.35f);
  Rgb lip = Base(Material::Lip);
  auto sd = [=](Vec2 p) {
    Vec2 q = IntoJaw(p, a);
    float side = upper ? q.y - LipY(q.x) : LipY(q.x) - q.y;
    return Intersect(SdEgg(q), side);
  };
  c.Fill({0, 0, 225, 200}, sd, [=](Vec2 p, float d) {
    Vec2 q = IntoJaw(p, a);
    Vec3 n = TurnNormal(BulgeNormal(q, kEggCentre, kEggRx, kEggRy), a);
    float toLip = upper ? LipY(q.x) - q.y : q.y - LipY(q.x);
    Rgb base = skin;
    if (!upper) base = Mix(skin, belly, SmoothStep(110, 128, q.y));
    if (upper) {
      // Darker spots scattered over the crown.
      static constexpr Vec2 kSpots[] = {{96, 66}, {170, 62}, {186, 86}, {140, 78}, {80, 82}};
      static constexpr float kSizes[] = {5, 6, 4.5f, 3.5f, 3};
      for (int i = 0; i < 5; ++i)
        if (Length(q - kSpots[i]) < kSizes[i]) base = base * 0.72f;
    }
    // Faint veins fan out from the mouth corner, as on a leaf.
    Vec2 fromHinge = q - kHinge;
    float ang = std::atan2(fromHinge.y, fromHinge.x);
    float dist = Length(fromHinge);
    float vein = std::fabs(std::sin(ang * 9 + dist * 0.015f));
    if (vein < 0.06f && dist > 30 && toLip > 6) base = Mix(base, Base(Material::Stalk), 0.35f);
    Rgb col = Shade(base, n, light, {0.3f, 0.85f, 0.0f, 36});
    if (upper) {
      // A crisp gloss on the crown, as cartoon skin shines.
      Vec2 g = Rotate(q - Vec2{98, 60}, -0.45f);
      float gloss = 1 - Length({g.x / 17, g.y / 7.5f});
      if (gloss > 0)
        col = Mix(col, Mix(Base(Material::Stalk), Rgb{1, 1, 1}, 0.45f),
                  0.55f * SmoothStep(0, 0.35f, gloss));
      Vec2 g2 = q - Vec2{79, 76};
      if (Length({g2.x / 4, g2.y / 2.5f}) < 1) col = Mix(col, Rgb{1, 1, 1}, 0.4f);
    }
    if (toLip < band && q.x < kHinge.x + 2) {
      float k = toLip / band;
      col = Mix(Shade(lip, n, light) * 0.8f, col, SmoothStep(0.55f, 1.0f, k));
      if (toLip < 0.9f) col = col * 0.35f;
    }
    // Dark outline on the egg's rim; behind the mouth corner the two halves
    // meet without a seam.
    if (SdEgg(q) > -1.1f || (d > -1.1f && q.x < kHinge.x)) col = col * 0.45f;
    return Rgba{col, 1};
  });
  if (upper) {
    Vec2 nostril = kHinge + Rotate(Vec2{77, 86} - kHinge, a);
    c.Fill(
        BoxAround(nostril, 4, 4), [=](Vec2 p) { return SdEllipse(p, nostril, 2.6f, 1.6f); },
        Tint(Material::HeadGreen, 0.12f));
  }
}

void DrawBackOfHead(Canvas& c, const HeadPose& s) {
  Vec2 o{181, 110};
  Vec3 light = c.Light();
  Rgb skin = Base(Material::HeadGreen) * 0.85f;
  float grow = 1 + 0.25f * s.gulp;
  c.Fill(
      BoxAround(o, 40, 40), [=](Vec2 p) { return SdEllipse(p, o, 31 * grow, 29 * grow); },
      [=](Vec2 p, float d) {
        Rgb col = Shade(skin, BulgeNormal(p, o, 31 * grow, 29 * grow), light);
        if (d > -1.1f) col = col * 0.45f;
        return Rgba{col, 1};
      });
}

// Two young leaves sprout from the back of the crown and ride with it.
void DrawCrownLeaves(Canvas& c, const HeadPose& s) {
  const Leaf leaves[3] = {{{168, 50}, -48, 30, 6.5f, 0.12f, 0, 0},
                          {{181, 56}, -24, 27, 6, 0.1f, 0, 0},
                          {{158, 46}, -72, 18, 5, 0.1f, 0, 0}};
  for (Leaf l : leaves) {
    l.base = kHinge + Rotate(l.base - kHinge, s.upperJaw);
    l.angle += s.upperJaw * 180 / kPi;
    DrawLeaf(c, l, 0, 1.1f);
  }
}

void DrawHeadEyes(Canvas& c, const HeadPose& s) {
  Vec3 light = c.Light();
  Rgb skin = Base(Material::HeadGreen);
  struct Socket {
    Vec2 at;
    float r;
  };
  const Socket eyes[2] = {{{152, 45}, 14}, {{117, 50}, 17.5f}};
  for (const Socket& e : eyes) {
    Vec2 o = kHinge + Rotate(e.at - kHinge, s.upperJaw);
    float rr = e.r + 3.5f;
    c.Fill(
        BoxAround(o, rr + 2, rr + 2),
        [=](Vec2 p) {
          return SdCircle(p, o + Vec2{0, 1.5f}, rr);
        },
        [=](Vec2 p, float d) {
          Rgb col = Shade(skin, BulgeNormal(p, o, rr, rr), light);
          if (d > -1.1f) col = col * 0.45f;
          return Rgba{col, 1};
        });
    EyeStyle st;
    st.radius = e.r;
    st.iris = Base(Material::Iris);
    st.irisScale = 0.58f;
    st.pupilScale = 0.55f;
    st.lid = skin;
    st.lidTilt = -0.18f;
    st.squint = s.happyEyes;
    DrawEye(c, o, st, s.look, s.happyEyes ? 1.0f : s.lid);
  }
}

}  // namespace

HeadPose HeadFramePose(int frame) {
  static constexpr float kOpen[10] = {0, .09f, .19f, .3f, .41f, .52f, .63f, .75f, .88f, 1};
  HeadPose p;
  if (frame < 10) {
    float o = kOpen[frame];
    p.upperJaw = 0.40f * o;
    p.lowerJaw = 0.34f * o;
    p.lid = 0.5f - 0.45f * o;
    p.look = {-0.65f, 0.15f - 0.3f * o};
    return p;
  }
  // Calling and drinking: the head leans toward the can at the left, its
  // mouth turned to the can's stream (which ends near (20, 70) here).
  static constexpr float kLean[6] = {.25f, .5f, .7f, .85f, 1, 1};
  float l = kLean[frame - 10];
  p.upperJaw = 0.4f;
  p.lowerJaw = 0.34f + 0.16f * l;
  p.tilt = 0.1f * l;
  p.shift = {-65 * l, -14 * l};
  p.lid = 0.05f;
  p.look = {-0.75f, -0.45f};
  if (frame == 13) p.lid = 0, p.look = {-0.85f, -0.2f};
  if (frame >= 14) p.happyEyes = true;
  if (frame == 15) p.upperJaw = 0.36f, p.lowerJaw = 0.42f, p.gulp = 1;
  return p;
}

void DrawHead(Canvas& c, const Affine& place, const HeadPose& s, bool withStalk) {
  Affine lean =
      Affine::RotateAbout(kEggCentre, s.tilt).Then(Affine::Translate(s.shift.x, s.shift.y));
  if (withStalk) {
    // The stalk leaves the frame straight down through the collar, which is
    // drawn over the bottom rows, and only then bends toward a leaning head.
    Vec2 attach = lean.Apply({150, 128});
    Vec2 bend{137, std::max(attach.y + 4, 136.0f)};
    DrawBeadChain(c, place, bend, {137, 148}, {137, 162});
    DrawBeadChain(c, place, attach, {137, std::min(bend.y, attach.y + 20)}, bend);
  }
  c.SetTransform(lean.Then(place));
  DrawBackOfHead(c, s);
  DrawCavity(c, s);
  for (const Tooth& t : kLowerTeeth) DrawTooth(c, -s.lowerJaw, t.x, t.length, false);
  for (size_t i = 1; i < kUpperTeeth.size(); ++i)
    DrawTooth(c, s.upperJaw, kUpperTeeth[i].x, kUpperTeeth[i].length, true);
  DrawJaw(c, s, false);
  DrawCrownLeaves(c, s);
  DrawTooth(c, s.upperJaw, kUpperTeeth[0].x, kUpperTeeth[0].length, true);
  DrawJaw(c, s, true);
  DrawHeadEyes(c, s);
  c.SetTransform(place);
}

void DrawHeadFrame(Canvas& c, int frame) { DrawHead(c, Affine{}, HeadFramePose(frame)); }

}  // namespace artgen
