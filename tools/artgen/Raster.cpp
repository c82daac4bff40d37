#include "Raster.h"

#include <algorithm>

namespace artgen {

namespace {
const Vec3 kScreenLight = Normalize({-0.55f, -0.7f, 0.75f});
}

Affine Affine::Then(const Affine& n) const {
  return {n.a * a + n.b * d, n.a * b + n.b * e, n.a * c + n.b * f + n.c,
          n.d * a + n.e * d, n.d * b + n.e * e, n.d * c + n.e * f + n.f};
}

Affine Affine::Inverse() const {
  float det = a * e - b * d;
  float ia = e / det, ib = -b / det, id = -d / det, ie = a / det;
  return {ia, ib, -(ia * c + ib * f), id, ie, -(id * c + ie * f)};
}

Affine Affine::RotateAbout(Vec2 pivot, float radians) {
  float co = std::cos(radians), si = std::sin(radians);
  Affine r{co, -si, 0, si, co, 0};
  return Translate(-pivot.x, -pivot.y).Then(r).Then(Translate(pivot.x, pivot.y));
}

Canvas::Canvas(int width, int height, int samplesPerAxis)
    : width_(width),
      height_(height),
      ss_(samplesPerAxis),
      samples_(static_cast<size_t>(width) * height * samplesPerAxis * samplesPerAxis,
               Rgba{{0, 0, 0}, 0}) {
  SetTransform(Affine{});
}

void Canvas::SetTransform(const Affine& modelToFrame) {
  xf_ = modelToFrame;
  inv_ = modelToFrame.Inverse();
  // Directions transform by the linear part only; undo any scale.
  Vec2 l{inv_.a * kScreenLight.x + inv_.b * kScreenLight.y,
         inv_.d * kScreenLight.x + inv_.e * kScreenLight.y};
  float s = Length(l);
  float planar = std::sqrt(kScreenLight.x * kScreenLight.x + kScreenLight.y * kScreenLight.y);
  if (s > 0) l = l * (planar / s);
  light_ = Vec3{l.x, l.y, kScreenLight.z};
}

void Canvas::Fill(const Box& mb, const Sdf& sdf, const Shader& shade) {
  Vec2 corners[4] = {xf_.Apply({mb.x0, mb.y0}), xf_.Apply({mb.x1, mb.y0}),
                     xf_.Apply({mb.x0, mb.y1}), xf_.Apply({mb.x1, mb.y1})};
  float fx0 = corners[0].x, fx1 = fx0, fy0 = corners[0].y, fy1 = fy0;
  for (const Vec2& c : corners) {
    fx0 = std::min(fx0, c.x), fx1 = std::max(fx1, c.x);
    fy0 = std::min(fy0, c.y), fy1 = std::max(fy1, c.y);
  }
  int sw = width_ * ss_, sh = height_ * ss_;
  int x0 = std::max(0, static_cast<int>(std::floor(fx0 * ss_)));
  int x1 = std::min(sw, static_cast<int>(std::ceil(fx1 * ss_)) + 1);
  int y0 = std::max(0, static_cast<int>(std::floor(fy0 * ss_)));
  int y1 = std::min(sh, static_cast<int>(std::ceil(fy1 * ss_)) + 1);
  float step = 1.0f / ss_;
  for (int sy = y0; sy < y1; ++sy) {
    for (int sx = x0; sx < x1; ++sx) {
      Vec2 p = inv_.Apply({(sx + 0.5f) * step, (sy + 0.5f) * step});
      float dist = sdf(p);
      if (dist >= 0) continue;
      Rgba src = shade(p, dist);
      if (src.a <= 0) continue;
      float a = std::min(1.0f, src.a);
      Rgba& dst = samples_[static_cast<size_t>(sy) * sw + sx];
      dst.rgb = dst.rgb * (1 - a) + src.rgb * a;
      dst.a = dst.a * (1 - a) + a;
    }
  }
}

void Canvas::Fill(const Box& mb, const Sdf& sdf, Rgb flat) {
  Fill(mb, sdf, [flat](Vec2, float) { return Rgba{flat, 1}; });
}

FrameImage Canvas::Resolve() const {
  FrameImage out;
  out.width = width_;
  out.height = height_;
  out.pixels.resize(static_cast<size_t>(width_) * height_);
  int sw = width_ * ss_;
  float norm = 1.0f / (ss_ * ss_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Rgba acc{{0, 0, 0}, 0};
      for (int j = 0; j < ss_; ++j) {
        for (int i = 0; i < ss_; ++i) {
          const Rgba& s = samples_[static_cast<size_t>(y * ss_ + j) * sw + x * ss_ + i];
          acc.rgb = acc.rgb + s.rgb;
          acc.a += s.a;
        }
      }
      // Samples are premultiplied by coverage: over black this is what shows.
      out.pixels[static_cast<size_t>(y) * width_ + x] = {acc.rgb * norm, acc.a * norm};
    }
  }
  return out;
}

}  // namespace artgen
