#include "Can.h"

#include <cmath>

#include "CanBody.h"
#include "Palette.h"
#include "Shapes.h"

namespace artgen {

namespace {

struct LegPose {
  Vec2 knee, ankle;
};

// Thigh swings forward by `swing` radians, the shin folds back by `bend`.
LegPose Leg(Vec2 hip, float swing, float bend) {
  Vec2 knee = hip + Rotate({0, kThigh}, -swing);
  Vec2 ankle = knee + Rotate({0, kShin}, -swing + bend);
  return {knee, ankle};
}

struct WalkPose {
  float lift;  // body height above rest
  LegPose nearLeg, farLeg;
};

// Passing position at frame 0: both thighs hang straight down, which is what
// the stretching legs continue while the can rises on them.
WalkPose Walk(int frame) {
  float phi = 2 * kPi * frame / 10;
  auto swing = [](float p) { return 0.42f * std::sin(p); };
  auto bend = [](float p) { return 1.05f * std::max(0.0f, std::cos(p)); };
  LegPose n = Leg(kHipNear, swing(phi), bend(phi));
  LegPose f = Leg(kHipFar, swing(phi + kPi), bend(phi + kPi));
  float lowest = std::max(n.ankle.y, f.ankle.y);
  WalkPose w{lowest - kAnkleY, n, f};
  return w;
}

Affine Lifted(float lift) { return Affine::Translate(0, -lift); }

// Pour tilt per frame; the body turns about the tank centre.
constexpr float kTilt[5] = {0, 0.15f, 0.31f, 0.47f, 0.62f};

// The legs while pouring, in pouring-frame coordinates: straight struts from
// under the hips, set a little wider than at rest.
constexpr Vec2 kPourHipNear{84, 150}, kPourFootNear{74, 334};
constexpr Vec2 kPourHipFar{118, 150}, kPourFootFar{130, 334};

Vec2 AlongStrut(Vec2 a, Vec2 b, float y) { return Lerp(a, b, (y - a.y) / (b.y - a.y)); }

void DrawStreams(Canvas& c, Vec2 rose, Vec2 dir, Vec2 end) {
  Vec3 light = c.Light();
  Rgb water = Base(Material::Water);
  Vec2 side{-dir.y, dir.x};
  for (int i = -1; i <= 1; ++i) {
    Vec2 a = rose + dir * 4 + side * (4.0f * i);
    Vec2 ctrl = a + dir * 22 + side * (3.0f * i);
    Vec2 b = end + Vec2{1.5f * i, 0};
    Stroke s = BezierStroke(a, ctrl, b, 1.6f, i == 0 ? 3.4f : 2.0f, 20);
    c.Fill(
        s.Bounds(), [=](Vec2 p) { return s.Distance(p); },
        [=](Vec2 p, float) {
          Rgb col = Shade(water, s.TubeNormal(p), light, {0.35f, 0.75f, 0.9f, 20});
          // Ripples travelling down the stream.
          float ripple = std::sin(p.y * 0.9f + p.x * 0.4f);
          if (ripple > 0.85f) col = Mix(col, {1, 1, 1}, 0.45f);
          return Rgba{col, 1};
        });
  }
  static constexpr Vec2 kDrops[] = {{-8, -18}, {7, -30}, {-5, -6}, {10, -12}};
  for (Vec2 dd : kDrops) {
    Vec2 o = end + dd;
    c.Fill(
        BoxAround(o, 4, 4), [=](Vec2 p) { return SdEllipse(p, o, 1.8f, 2.4f); },
        [=](Vec2 p, float) {
          return Rgba{Shade(water, BulgeNormal(p, o, 1.8f, 2.4f), light, {0.4f, 0.7f, 0.9f, 20}),
                      1};
        });
  }
}

}  // namespace

Vec2 PourStreamEnd() { return {238, 169}; }

void DrawCanWalk(Canvas& c, int frame) {
  WalkPose w = Walk(frame);
  Affine body = Lifted(w.lift);
  DrawLeg(c, body, kHipFar, w.farLeg.knee, w.farLeg.ankle, false);
  DrawLeg(c, body, kHipNear, w.nearLeg.knee, w.nearLeg.ankle, true);
  CanFace face;
  face.look = {0.6f, 0.1f};
  DrawCanBody(c, body, face);
}

void DrawCanLegs(Canvas& c, int frame) {
  // Legs sheet coordinates: the can's position is at (9, y - (H - 194)).
  if (frame == 0) {
    // Stretching: straight telescoping legs under the hips of walking frame
    // 0, which the rising body uncovers; the ankles stay on the ground.
    for (int i = 1; i >= 0; --i) {
      Vec2 top{(i ? kHipFar : kHipNear).x + 9, -12};
      Vec2 ankle{top.x, kAnkleY - 16};
      DrawLeg(c, Affine{}, top, Lerp(top, ankle, 0.55f), ankle, i == 0);
    }
    return;
  }
  Affine toSheet = Affine::Translate(9, -156);
  for (int i = 1; i >= 0; --i) {
    Vec2 a = i ? kPourHipFar : kPourHipNear, b = i ? kPourFootFar : kPourFootNear;
    DrawLeg(c, toSheet, AlongStrut(a, b, 140), AlongStrut(a, b, 245), b, i == 0);
  }
}

void DrawCanPour(Canvas& c, int frame) {
  float lift = Walk(0).lift;
  Affine body = Lifted(lift);
  Vec2 pivot = Lifted(lift).Apply(kTankCentre);
  Affine tilt = body.Then(Affine::RotateAbout(pivot, kTilt[frame]));
  // Upper legs reach from the turned hips to the struts of the legs sheet.
  for (int i = 1; i >= 0; --i) {
    Vec2 hip = tilt.Apply(i ? kHipFar : kHipNear);
    Vec2 a = i ? kPourHipFar : kPourHipNear, b = i ? kPourFootFar : kPourFootNear;
    Vec2 joint = AlongStrut(a, b, 162);
    DrawLeg(c, Affine{}, hip, joint, b, i == 0);
  }
  CanFace face;
  face.look = {0.7f, 0.5f};
  face.lid = frame == 4 ? 0.35f : 0.1f;
  DrawCanBody(c, tilt, face);
  if (frame == 4) {
    c.SetTransform(Affine{});
    Vec2 rose = tilt.Apply(RoseCentre(0));
    Vec2 dir = Rotate(SpoutDirection(0), kTilt[4]);
    DrawStreams(c, rose, dir, PourStreamEnd());
  }
}

void DrawCanStand(Canvas& c, int frame) {
  // Standing frames start 46 rows below the can's position.
  Affine place = Affine::Translate(0, -46);
  WalkPose w = Walk(0);
  float lift = w.lift;
  Affine body = Lifted(lift).Then(place);
  for (int i = 1; i >= 0; --i) {
    Vec2 hip = i ? kHipFar : kHipNear;
    LegPose l = Leg(hip, 0, 0);
    DrawLeg(c, body, hip, l.knee, l.ankle, i == 0);
  }
  CanFace face;
  face.lid = frame == 1 ? 1.0f : 0.12f;
  face.look = {0.35f, 0.15f};
  DrawCanBody(c, body, face);
}

void DrawCanTrumpet(Canvas& c, int frame) {
  Affine place = Affine::Translate(-13, -50);
  // The can crouches as it blows (so the raised spout fits the frame) and
  // leans back further on the loud toot.
  float squash = frame ? 0.88f : 0.92f;
  Affine crouch = Affine::Translate(-100, -kAnkleY)
                      .Then(Affine::ScaleBy(1.0f + (1 - squash) * 0.4f, squash))
                      .Then(Affine::Translate(100, kAnkleY));
  float lean = frame ? -0.1f : -0.05f;
  Affine legs = Lifted(Walk(0).lift).Then(crouch).Then(place);
  Affine body =
      Lifted(Walk(0).lift).Then(Affine::RotateAbout({100, 150}, lean)).Then(crouch).Then(place);
  for (int i = 1; i >= 0; --i) {
    Vec2 hip = (i ? kHipFar : kHipNear);
    Vec2 hipSeen = legs.Inverse().Apply(body.Apply(hip));
    Vec2 ankle{hip.x + (i ? 4.0f : -4.0f), kAnkleY + 2};
    Vec2 knee = Lerp(hipSeen, ankle, 0.5f) + Vec2{frame ? 3.0f : 1.5f, 0};
    DrawLeg(c, legs, hipSeen, knee, ankle, i == 0);
  }
  CanFace face;
  face.happy = true;
  face.bell = frame ? 1.0f : 0.4f;
  face.spoutRaise = 0.3f;
  face.spoutLength = 0.85f;
  DrawCanBody(c, body, face);
  // Sound lines burst from the bell on every second toot.
  c.SetTransform(body);
  Vec2 rc = RoseCentre(0.3f, 0.85f), dir = SpoutDirection(0.3f);
  Vec3 light = c.Light();
  for (int i = -1; i <= 1; ++i) {
    Vec2 d = Rotate(dir, 0.5f * i);
    float r0 = frame ? 16.0f : 13.0f, r1 = frame ? 27.0f : 19.0f;
    Vec2 a = rc + d * r0, b = rc + d * r1;
    c.Fill(
        BoxOf(a, b, 3), [=](Vec2 p) { return SdCapsule(p, a, b, 1.5f, 1.5f); },
        [=](Vec2, float) {
          return Rgba{Base(Material::Brass) * (0.8f + 0.2f * light.z), 1};
        });
  }
}

}  // namespace artgen
