#include "Preview.h"

#include <algorithm>
#include <cmath>

#include "Flies.h"
#include "Palette.h"
#include "Plant.h"
#include "Shapes.h"

namespace artgen {

namespace {

// Frames shown by the preview, in the order it steps through them.
constexpr int kPreviewHeadFrames[4] = {0, 3, 6, 9};

}  // namespace

void DrawPreview(Canvas& c, int frame) {
  // Scene units are saver pixels: the foot at (0, 0), scaled into the box.
  const float k = 0.3f;
  Affine scene = Affine::ScaleBy(k, k).Then(Affine::Translate(74, 62));
  Vec2 head{-63 - 34, -154 - 44};
  Affine headPlace = Affine::Translate(head.x, head.y).Then(scene);
  Vec2 neckTop = head + Vec2{137, 148};
  DrawFootBack(c, scene, 0.3f, 0);
  DrawBeadChain(c, scene, neckTop, {75, neckTop.y + 10}, {75, 4}, 7);
  DrawHead(c, headPlace, HeadFramePose(kPreviewHeadFrames[frame]));
  DrawCollarAt(c, Affine::Translate(54, -8).Then(scene));
  DrawFootFront(c, scene, 0.3f, 0);
  // A fly hovers in front of the mouth, its wings beating frame by frame.
  DrawFlyAt(c, Affine::ScaleBy(0.55f, 0.55f).Then(Affine::Translate(14, 22.0f + frame)),
            4 + frame % 2);
  c.SetTransform(Affine{});
  // Twinkling stars keep the black sky from looking empty.
  static constexpr Vec2 kStars[] = {{10, 12}, {28, 58}, {52, 8}, {16, 80}, {44, 36}};
  for (int i = 0; i < 5; ++i) {
    Vec2 s = kStars[i];
    float r = ((i + frame) % 3 == 0) ? 0.9f : 0.55f;
    c.Fill(
        BoxAround(s, 2, 2), [=](Vec2 p) { return SdCircle(p, s, r); }, Tint(Material::Grey, 0.7f));
  }
}

IconImage RenderIcon(int size) {
  Canvas c(size, size, 8);
  // The head of an open-mouthed frame, cropped to its square.
  const float x0 = 46, y0 = 2, span = 174;
  float k = size / span;
  DrawHead(c, Affine::Translate(-x0, -y0).Then(Affine::ScaleBy(k, k)), HeadFramePose(7), false);
  FrameImage f = c.Resolve();
  IconImage icon{size, std::vector<uint8_t>(static_cast<size_t>(size) * size * 4, 0)};
  for (int i = 0; i < size * size; ++i) {
    const Rgba& px = f.pixels[i];
    if (px.a < 0.5f) continue;  // transparent: zero colour, mask bit set
    auto ch = [&](float v) {
      return static_cast<uint8_t>(std::lround(ToSrgb(std::clamp(v / px.a, 0.0f, 1.0f)) * 255));
    };
    icon.bgra[i * 4 + 0] = ch(px.rgb.b);
    icon.bgra[i * 4 + 1] = ch(px.rgb.g);
    icon.bgra[i * 4 + 2] = ch(px.rgb.r);
    icon.bgra[i * 4 + 3] = static_cast<uint8_t>(std::lround(std::min(1.0f, px.a) * 255));
  }
  return icon;
}

}  // namespace artgen
