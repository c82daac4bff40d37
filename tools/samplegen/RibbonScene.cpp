#include <cmath>

#include "Gradient.h"
#include "Noise.h"
#include "Scenes.h"

namespace samplegen {
namespace {

constexpr float kTau = 6.2831853f;

struct Ribbon {
  float centre, swing1, waves1, phase1, swing2, waves2, phase2;
  float width, twist, twistPhase;
  Rgb from, to;
};

}  // namespace

// Silk ribbons drifting across a dark stage; where one twists it shows its
// darker back, and a sheen runs along each fold.
Image SilkRibbons(int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  static const Ribbon kRibbons[] = {
      {0.30f, 0.10f, 0.8f, 0.3f, 0.04f, 2.1f, 1.0f, 0.060f, 1.3f, 0.2f, Hex(0x3FA7D6),
       Hex(0x7B5CD6)},
      {0.45f, 0.12f, 0.6f, 1.9f, 0.05f, 1.7f, 2.2f, 0.075f, 0.9f, 1.4f, Hex(0xE8546A),
       Hex(0xF2A541)},
      {0.55f, 0.09f, 1.1f, 4.0f, 0.03f, 2.9f, 0.4f, 0.050f, 1.7f, 2.6f, Hex(0xF6D365),
       Hex(0xFDA085)},
      {0.68f, 0.11f, 0.7f, 5.1f, 0.05f, 1.9f, 3.1f, 0.070f, 1.1f, 0.9f, Hex(0x43E97B),
       Hex(0x38F9D7)},
      {0.80f, 0.08f, 0.9f, 2.6f, 0.04f, 2.4f, 5.0f, 0.055f, 1.5f, 3.7f, Hex(0xB06AB3),
       Hex(0x4568DC)},
  };
  const Gradient stage{{0, Hex(0x0B0B1E)}, {0.6f, Hex(0x1A1236)}, {1, Hex(0x2A1030)}};
  auto shade = [=, &stage](float x, float y) {
    float u = x / w;
    float dx = u - 0.55f, dy = y / h - 0.45f;
    Rgb c = stage.At(y / h) + Hex(0x302050) * (0.35f * std::exp(-(dx * dx + dy * dy) * 4));
    for (const Ribbon& r : kRibbons) {
      float centre = h * (r.centre + r.swing1 * std::sin(kTau * (r.waves1 * u) + r.phase1) +
                          r.swing2 * std::sin(kTau * (r.waves2 * u) + r.phase2));
      float half = h * r.width * std::cos(kTau * 0.5f * r.twist * u + r.twistPhase);
      float across = (y - centre) / std::max(std::fabs(half), 0.5f);
      float glowDistance = std::fabs(y - centre) - std::fabs(half);
      Rgb colour = Mix(r.from, r.to, Smoothstep(0, 1, u));
      c = c + colour * (0.10f * std::exp(-std::max(0.0f, glowDistance) / (0.03f * h)));
      float cover = Coverage(glowDistance, 1.0f);
      if (cover <= 0) continue;
      bool back = half < 0;
      float curve = std::sqrt(std::max(0.0f, 1 - across * across));
      float sheen = std::exp(-std::pow((across - (back ? -0.35f : 0.35f)) / 0.28f, 2.0f));
      Rgb surface =
          colour * ((back ? 0.45f : 0.7f) + 0.35f * curve) + Rgb{1, 1, 1} * (0.45f * sheen);
      c = Mix(c, surface, cover * 0.88f);
    }
    float grain = Fbm(x / 2, y / 2, 2, 3) - 0.5f;
    return c * (1 + 0.03f * grain);
  };
  return Render(width, height, 3, shade, 1501);
}

}  // namespace samplegen
