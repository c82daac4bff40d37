#pragma once

#include <cstdint>
#include <vector>

#include "Color.h"
#include "Gradient.h"
#include "Image.h"

namespace samplegen {

// A layered outdoor scene: a sky (gradient, sun or moon, clouds, stars,
// aurora), ridges from far to near with valley mist between them, and
// optionally still water mirroring all of it. Positions are fractions of the
// picture's height (y) or width (x), so one description scales to any size.
struct Ridge {
  enum class Kind { kMountains, kHills, kPines, kDunes };
  Kind kind = Kind::kHills;
  float base = 0.6f;       // mean ground line
  float amplitude = 0.1f;  // height of the peaks above it
  float frequency = 3.0f;  // features per picture width
  std::uint32_t seed = 1;
  Rgb body;             // colour well below the crest
  Rgb crest;            // colour at the crest (light catching the edge)
  Rgb shadow;           // colour of faces turned from the light (mountains, dunes)
  float mist = 0.0f;    // strength of the valley mist at the layer's foot
  float snowLine = -1;  // mountains: snow above this height (fraction), -1 for none
  bool shore = false;   // stands in front of the water instead of behind it
};

struct Landscape {
  Gradient sky{{0, Hex(0x1A2A6C)}, {1, Hex(0xFDBB2D)}};
  float horizon = 0.6f;  // where the sky gradient ends (and the water starts)
  // Sun or moon.
  bool sun = false, moon = false;
  float bodyX = 0.5f, bodyY = 0.4f, bodyRadius = 0.05f;
  Rgb bodyColor = Hex(0xFFF4D6), glowColor = Hex(0xFFB070);
  float glowSize = 0.25f;
  // Night sky.
  float stars = 0;  // share of 8-pixel cells holding a star
  bool aurora = false;
  // Clouds.
  float clouds = 0;  // 0 none .. 1 overcast
  float cloudTop = 0.05f, cloudBottom = 0.45f;
  Rgb cloudLit = Hex(0xFFD2B0), cloudDark = Hex(0x6A5A7A);
  bool lightFromRight = false;  // which mountain and dune faces are sunlit
  // Layers, far to near.
  std::vector<Ridge> ridges;
  Rgb mist = Hex(0xE8D8E8);
  // Water below the horizon.
  bool water = false;
  Rgb waterTint = Hex(0x3A4A70);
  float glitter = 0;
  float ripples = 1;  // how much the surface breaks up the reflection
  std::uint32_t seed = 7;
};

Image RenderLandscape(const Landscape& scene, int width, int height);

}  // namespace samplegen
