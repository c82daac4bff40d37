#pragma once

#include <cmath>
#include <functional>
#include <vector>

namespace artgen {

struct Vec2 {
  float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }
inline Vec2 Rotate(Vec2 v, float radians) {
  float c = std::cos(radians), s = std::sin(radians);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

struct Vec3 {
  float x = 0, y = 0, z = 0;
};
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Normalize(Vec3 v) {
  float l = std::sqrt(Dot(v, v));
  return l > 0 ? Vec3{v.x / l, v.y / l, v.z / l} : Vec3{0, 0, 1};
}

// Linear-light colour; the palette mapping converts to sRGB at the end.
struct Rgb {
  float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }

struct Rgba {
  Rgb rgb;
  float a = 1;
};

// Row-major affine map: x' = a x + b y + c, y' = d x + e y + f.
struct Affine {
  float a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;
  Vec2 Apply(Vec2 p) const { return {a * p.x + b * p.y + c, d * p.x + e * p.y + f}; }
  Affine Then(const Affine& next) const;  // next ∘ this
  Affine Inverse() const;
  float Scale() const { return std::sqrt(std::fabs(a * e - b * d)); }
  static Affine Translate(float x, float y) { return {1, 0, x, 0, 1, y}; }
  static Affine ScaleBy(float sx, float sy) { return {sx, 0, 0, 0, sy, 0}; }
  // Rotation about `pivot`; positive angles turn clockwise on screen (y grows down).
  static Affine RotateAbout(Vec2 pivot, float radians);
};

struct Box {
  float x0, y0, x1, y1;
};

// One frame in full colour: premultiplied linear colour plus coverage.
struct FrameImage {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;
  const Rgba& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

using Sdf = std::function<float(Vec2)>;
using Shader = std::function<Rgba(Vec2 p, float distance)>;

// A supersampled drawing surface: shapes are signed-distance functions in model
// coordinates (negative inside), mapped to the frame by the current transform
// and painted back to front with "over" compositing per sample.
class Canvas {
 public:
  Canvas(int width, int height, int samplesPerAxis = 4);

  void SetTransform(const Affine& modelToFrame);
  const Affine& Transform() const { return xf_; }
  // The light comes from the top left of the screen; shaders work in model
  // coordinates, so they ask for the light turned into the model's frame.
  Vec3 Light() const { return light_; }

  void Fill(const Box& modelBounds, const Sdf& sdf, const Shader& shade);
  void Fill(const Box& modelBounds, const Sdf& sdf, Rgb flat);

  FrameImage Resolve() const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_, ss_;
  Affine xf_, inv_;
  Vec3 light_;
  std::vector<Rgba> samples_;
};

}  // namespace artgen
