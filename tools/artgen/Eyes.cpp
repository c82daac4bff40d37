#include "Eyes.h"

#include "Palette.h"
#include "Shapes.h"

namespace artgen {

void DrawEye(Canvas& c, Vec2 o, const EyeStyle& s, Vec2 look, float lid) {
  float r = s.radius;
  Box box = BoxAround(o, r + 2, r + 2);
  Vec3 light = c.Light();
  // Dark socket rim first so the ball reads against any skin.
  c.Fill(
      box, [=](Vec2 p) { return SdCircle(p, o, r + 1.2f); }, Tint(Material::Grey, 0.004f));
  Rgb white = Base(Material::Grey) * 0.92f;
  c.Fill(
      box, [=](Vec2 p) { return SdCircle(p, o, r); },
      [=](Vec2 p, float) {
        Vec3 n = BulgeNormal(p, o, r, r);
        return Rgba{Shade(white, n, light, {0.45f, 0.6f, 0.5f, 40}), 1};
      });
  float ir = r * s.irisScale;
  Vec2 ic = o + Vec2{look.x, look.y} * (r - ir * 0.95f);
  Rgb iris = s.iris;
  c.Fill(
      box, [=](Vec2 p) { return Intersect(SdCircle(p, ic, ir), SdCircle(p, o, r)); },
      [=](Vec2 p, float) {
        float t = Length(p - ic) / ir;
        // Darker toward the rim, a bright ring around the pupil.
        Rgb col = iris * (1.15f - 0.55f * t * t);
        return Rgba{col, 1};
      });
  float pr = ir * s.pupilScale;
  Vec2 pc = ic + Vec2{look.x, look.y} * (ir * 0.12f);
  c.Fill(
      box, [=](Vec2 p) { return Intersect(SdCircle(p, pc, pr), SdCircle(p, o, r)); },
      Rgb{0.004f, 0.004f, 0.006f});
  Vec2 gc = pc + Vec2{-pr * 0.45f, -pr * 0.5f};
  c.Fill(
      box, [=](Vec2 p) { return SdCircle(p, gc, std::max(0.9f, pr * 0.42f)); }, Rgb{1, 1, 1});
  Vec2 gc2 = ic + Vec2{ir * 0.45f, ir * 0.45f};
  c.Fill(
      box, [=](Vec2 p) { return SdCircle(p, gc2, std::max(0.5f, ir * 0.14f)); },
      Rgb{0.8f, 0.8f, 0.8f});
  if (lid <= 0.02f) return;
  Rgb skin = s.lid;
  if (lid >= 0.98f) {
    // Closed: the lid covers the ball, its seam drawn as an arc, curving
    // up for a happy squint and down (with lashes) for a blink.
    c.Fill(
        box, [=](Vec2 p) { return SdCircle(p, o, r + 0.6f); },
        [=](Vec2 p, float d) {
          Rgb col = Shade(skin, BulgeNormal(p, o, r + 1, r + 1), light);
          return Rgba{d > -1.0f ? col * 0.3f : col, 1};
        });
    float bow = s.squint ? -0.45f : 0.35f;
    Vec2 a = o + Vec2{-r * 0.8f, r * 0.1f}, b = o + Vec2{r * 0.8f, r * 0.1f};
    Vec2 m = o + Vec2{0, r * (0.1f + bow)};
    Stroke seam = BezierStroke(a, m, b, std::max(0.7f, r * 0.09f), std::max(0.7f, r * 0.09f));
    Rgb ink = skin * 0.15f;
    c.Fill(
        seam.Bounds(), [=](Vec2 p) { return seam.Distance(p); }, ink);
    if (!s.squint) {
      for (float t : {0.25f, 0.5f, 0.75f}) {
        Vec2 root = Lerp(Lerp(a, m, t), Lerp(m, b, t), t);
        Vec2 tipv = root + Vec2{(t - 0.5f) * r * 0.5f, r * 0.3f};
        float w = std::max(0.5f, r * 0.06f);
        c.Fill(
            BoxOf(root, tipv, 2), [=](Vec2 p) { return SdCapsule(p, root, tipv, w, w * 0.6f); },
            ink);
      }
    }
    return;
  }
  // The lid edge is a line through the ball, tilted for expression; opening
  // moves it from the bottom of the ball up to its top.
  float edge = -r + 2 * r * lid;
  float tilt = s.lidTilt;
  auto lidSd = [=](Vec2 p) {
    Vec2 q = Rotate(p - o, -tilt);
    return Intersect(SdCircle(p, o, r + 0.8f), q.y - edge);
  };
  c.Fill(box, lidSd, [=](Vec2 p, float d) {
    Vec3 n = BulgeNormal(p, o, r + 1, r + 1);
    Rgb col = Shade(skin, n, light);
    if (d > -1.3f) col = col * 0.25f;  // lash line
    return Rgba{col, 1};
  });
}

}  // namespace artgen
