#include "Eyes.h"
#include "Palette.h"
#include "Plant.h"
#include "Shapes.h"

namespace artgen {

namespace {

// Ducking frames cover the resting head from head-frame (60, 30) and the
// foot, which starts at (3, 124) inside them.
const Affine kHeadToDuck = Affine::Translate(-60, -30);
const Affine kFootToDuck = Affine::Translate(3, 124);

void DrawDuckScene(Canvas& c, const Affine& place, float s) {
  Affine foot = kFootToDuck.Then(place);
  float raise = SmoothStep(0.0f, 0.85f, s);
  DrawFootBack(c, foot, 0, raise);
  HeadPose pose = HeadFramePose(0);
  if (s > 0) {
    pose.lid = 0.5f * (1 - SmoothStep(0, 0.4f, s));
    pose.look = {-0.2f, 0.6f};
  }
  // The head sinks and shrinks a little as it pulls into the foot.
  float k = 1 - 0.3f * s;
  Affine sink = Affine::Translate(-137, -150)
                    .Then(Affine::ScaleBy(k, k))
                    .Then(Affine::Translate(137, 150 + 104 * s));
  DrawHead(c, sink.Then(kHeadToDuck).Then(place), pose);
  if (s < 0.5f) DrawCollarAt(c, Affine::Translate(54, -8 + 20 * s).Then(foot));
  DrawFootFront(c, foot, 0, raise);
}

}  // namespace

void DrawDuckFrame(Canvas& c, int frame) { DrawDuckScene(c, Affine{}, frame / 8.0f); }

void DrawLookFrame(Canvas& c, int frame) {
  // The eyes are drawn into the fully ducked picture at the place the saver
  // puts this frame, so its edges agree with the ducking frame around it.
  Affine place = Affine::Translate(-50, -25);
  DrawDuckScene(c, place, 1);
  c.SetTransform(place);
  float t = frame / 10.0f;
  Vec2 look{-0.95f + 1.9f * t, 0.05f};
  Vec3 light = c.Light();
  Rgb skin = Base(Material::HeadGreen);
  struct Peek {
    Vec2 at;
    float r;
  };
  const Peek eyes[2] = {{{93, 40}, 9.5f}, {{71, 41}, 10.5f}};
  for (const Peek& e : eyes) {
    Vec2 o = e.at;
    float rr = e.r + 2;
    c.Fill(
        BoxAround(o, rr + 2, rr + 2), [=](Vec2 p) { return SdCircle(p, o, rr); },
        [=](Vec2 p, float d) {
          Rgb col = Shade(skin, BulgeNormal(p, o, rr, rr), light);
          if (d > -1.1f) col = col * 0.45f;
          return Rgba{col, 1};
        });
    EyeStyle st;
    st.radius = e.r;
    st.iris = Base(Material::Iris);
    st.lid = skin;
    st.lidTilt = look.x * 0.2f;
    DrawEye(c, o, st, look, 0.22f);
  }
  DrawFootFront(c, Affine::Translate(3, 124).Then(place), 0, 1);
}

}  // namespace artgen
