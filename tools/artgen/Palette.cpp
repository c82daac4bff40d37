#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

struct Lab {
  float l, a, b;
};

Lab ToOklab(Rgb c) {
  float l = 0.4122214708f * c.r + 0.5363325363f * c.g + 0.0514459929f * c.b;
  float m = 0.2119034982f * c.r + 0.6806995451f * c.g + 0.1073969566f * c.b;
  float s = 0.0883024619f * c.r + 0.2817188376f * c.g + 0.6299787005f * c.b;
  l = std::cbrt(l), m = std::cbrt(m), s = std::cbrt(s);
  return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
          1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
          0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

Rgb FromHex(uint32_t hex) {
  return {ToLinear(((hex >> 16) & 255) / 255.0f), ToLinear(((hex >> 8) & 255) / 255.0f),
          ToLinear((hex & 255) / 255.0f)};
}

constexpr uint32_t kBaseHex[kMaterialCount] = {
    0xffffff,  // Grey: eye whites, steel, wings
    0x3f9e34,  // HeadGreen
    0x9ccc2c,  // Stalk: yellow-green stalk and leaf veins
    0x1f8a5a,  // Leaf: blue-green foot leaves
    0xe8304e,  // Lip: mouth rim, can's shoes
    0x8a1640,  // Throat
    0xff86b0,  // Tongue
    0xfff1d0,  // Ivory: teeth
    0x1aa6c0,  // Enamel: the can
    0xe0a030,  // Brass: the can's rose and bands
    0x62b8ff,  // Water
    0x4a6fa0,  // FlyBody: iridescent blue-green
    0xd02a1a,  // FlyEye
    0x7a3a9a,  // BigFly
    0xffd21a,  // Sting
    0x7a4a26,  // Soil: roots and earth
    0xf08a12,  // Iris: the plant's amber eyes
};

// Shades multiply the base; highlights mix it toward white.
constexpr float kShade[10] = {0.06f, 0.1f, 0.15f, 0.21f, 0.29f, 0.39f, 0.51f, 0.65f, 0.81f, 1.0f};
constexpr float kHighlight[5] = {0.15f, 0.3f, 0.46f, 0.62f, 0.78f};

PaletteTable BuildPalette() {
  PaletteTable t{};
  t[0] = {0, 0, 0};
  int n = 1;
  auto put = [&](Rgb c) {
    t[n++] = {static_cast<uint8_t>(std::lround(ToSrgb(std::clamp(c.r, 0.0f, 1.0f)) * 255)),
              static_cast<uint8_t>(std::lround(ToSrgb(std::clamp(c.g, 0.0f, 1.0f)) * 255)),
              static_cast<uint8_t>(std::lround(ToSrgb(std::clamp(c.b, 0.0f, 1.0f)) * 255))};
  };
  for (int i = 0; i < kMaterialCount; ++i) {
    Rgb base = FromHex(kBaseHex[i]);
    if (i == static_cast<int>(Material::Grey)) {
      // Neutral ramp evenly spaced in lightness, ending in pure white.
      for (int k = 0; k < kRampLength; ++k) {
        float v = ToLinear((k + 1) / static_cast<float>(kRampLength));
        put({v, v, v});
      }
      continue;
    }
    for (float s : kShade) put(base * s);
    for (float h : kHighlight) put(Mix(base, {1, 1, 1}, h));
  }
  return t;
}

}  // namespace

float ToSrgb(float v) {
  v = std::clamp(v, 0.0f, 1.0f);
  return v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1 / 2.4f) - 0.055f;
}

float ToLinear(float v) {
  return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

float PerceptualDistance(Rgb a, Rgb b) {
  Lab p = ToOklab(a), q = ToOklab(b);
  return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) +
                   (p.b - q.b) * (p.b - q.b));
}

Rgb Base(Material m) { return FromHex(kBaseHex[static_cast<int>(m)]); }

const PaletteTable& ScenePalette() {
  static const PaletteTable table = BuildPalette();
  return table;
}

Quantiser::Quantiser() {
  const PaletteTable& pal = ScenePalette();
  for (int i = 0; i < 256; ++i) {
    Lab have = ToOklab(
        {ToLinear(pal[i].r / 255.0f), ToLinear(pal[i].g / 255.0f), ToLinear(pal[i].b / 255.0f)});
    lab_[i] = {have.l, have.a, have.b};
  }
  cache_.assign(size_t{1} << 24, -1);
}

uint8_t Quantiser::Nearest(int r8, int g8, int b8) const {
  int key = (r8 << 16) | (g8 << 8) | b8;
  if (cache_[key] >= 0) return static_cast<uint8_t>(cache_[key]);
  auto lin = [](int v) { return ToLinear(v / 255.0f); };
  Lab want = ToOklab({lin(r8), lin(g8), lin(b8)});
  int best = 0;
  float bestD = 1e9f;
  for (int i = 0; i < 256; ++i) {
    // Lightness errors read worse than small hue shifts on these ramps.
    float dl = (want.l - lab_[i][0]) * 1.4f, da = want.a - lab_[i][1], db = want.b - lab_[i][2];
    float d = dl * dl + da * da + db * db;
    if (d < bestD) bestD = d, best = i;
  }
  cache_[key] = static_cast<int16_t>(best);
  return static_cast<uint8_t>(best);
}

uint8_t Quantiser::Index(Rgb c, int x, int y, bool dither) const {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  float jitter = dither ? (kBayer[y & 3][x & 3] / 16.0f - 0.47f) * 0.035f : 0.0f;
  auto q = [&](float v) {
    float s = ToSrgb(v) + jitter * (ToSrgb(v) + 0.08f);
    return std::clamp(static_cast<int>(std::lround(s * 255)), 0, 255);
  };
  return Nearest(q(c.r), q(c.g), q(c.b));
}

}  // namespace artgen
