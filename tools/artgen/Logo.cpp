#include "Logo.h"

#include "Flies.h"
#include "Palette.h"
#include "Plant.h"
#include "Shapes.h"

namespace artgen {

void DrawSetupLogo(Canvas& c, int) {
  // Scene units are saver pixels with the foot at (0, 0), as in the preview;
  // the plant stands a little larger here and leans toward the fly.
  const float k = 0.31f;
  Affine scene = Affine::ScaleBy(k, k).Then(Affine::Translate(45, 58));
  Vec2 head{-63 - 24, -154 - 36};
  Affine headPlace = Affine::Translate(head.x, head.y).Then(scene);
  Vec2 neckTop = head + Vec2{137, 148};
  DrawFootBack(c, scene, 0.6f, 0);
  DrawBeadChain(c, scene, neckTop, {80, neckTop.y + 14}, {75, 4}, 7);
  DrawHead(c, headPlace, HeadFramePose(7));
  DrawCollarAt(c, Affine::Translate(54, -8).Then(scene));
  DrawFootFront(c, scene, 0.6f, 0);
  DrawFlyAt(c, Affine::ScaleBy(0.5f, 0.5f).Then(Affine::Translate(0, 42)), 2);
  c.SetTransform(Affine{});
  static constexpr Vec2 kStars[] = {{8, 10}, {22, 26}, {90, 6}, {12, 70}, {88, 52}};
  for (int i = 0; i < 5; ++i) {
    Vec2 s = kStars[i];
    float r = i % 2 == 0 ? 0.9f : 0.6f;
    c.Fill(
        BoxAround(s, 2, 2), [=](Vec2 p) { return SdCircle(p, s, r); }, Tint(Material::Grey, 0.7f));
  }
}

}  // namespace artgen
