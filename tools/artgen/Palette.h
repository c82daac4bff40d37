#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Raster.h"

namespace artgen {

// The materials of the scene. Each owns one ramp of the shared palette, from
// near black through its base colour to a highlight, so shaded shapes keep
// their hue when they are reduced to 256 colours.
enum class Material {
  Grey,
  HeadGreen,
  Stalk,
  Leaf,
  Lip,
  Throat,
  Tongue,
  Ivory,
  Enamel,
  Brass,
  Water,
  FlyBody,
  FlyEye,
  BigFly,
  Sting,
  Soil,
  Iris,
};
constexpr int kMaterialCount = 17;
constexpr int kRampLength = 15;

// Base colour of a material in linear light.
Rgb Base(Material m);
inline Rgb Tint(Material m, float k) { return Base(m) * k; }

struct Rgb8 {
  uint8_t r, g, b;
};
using PaletteTable = std::array<Rgb8, 256>;

// Entry 0 is black (the scene's background); the rest are the ramps.
const PaletteTable& ScenePalette();

// Maps full colours to palette entries: nearest in a perceptual space, with
// a light 4x4 ordered dither that breaks up bands in broad gradients.
class Quantiser {
 public:
  Quantiser();
  uint8_t Index(Rgb linear, int x, int y, bool dither) const;

 private:
  uint8_t Nearest(int r8, int g8, int b8) const;
  std::array<std::array<float, 3>, 256> lab_;
  mutable std::vector<int16_t> cache_;  // nearest entry per 24-bit colour, -1 until asked
};

// Distance of two colours in a perceptually even space (about 0.01 is a
// just-visible step).
float PerceptualDistance(Rgb a, Rgb b);

float ToSrgb(float linear);
float ToLinear(float srgb);

}  // namespace artgen
