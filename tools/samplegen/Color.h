#pragma once

#include <algorithm>
#include <cmath>

namespace samplegen {

// Display colour, each channel 0..1 (values above 1 are clipped at output, so
// glows may add freely).
struct Rgb {
  float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

// 0xRRGGBB to a colour, so palettes read like a designer's swatches.
constexpr Rgb Hex(unsigned v) {
  return {static_cast<float>((v >> 16) & 0xFF) / 255.0f,
          static_cast<float>((v >> 8) & 0xFF) / 255.0f, static_cast<float>(v & 0xFF) / 255.0f};
}

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Smoothstep(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }

// Coverage of a shape at a signed distance d (negative inside), anti-aliased
// over about one unit of `soft`.
inline float Coverage(float d, float soft) { return Clamp01(0.5f - d / soft); }

}  // namespace samplegen
