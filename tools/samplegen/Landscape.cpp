#include "Landscape.h"

#include <cmath>
#include <memory>

#include "Noise.h"

namespace samplegen {
namespace {

constexpr float kPi = 3.14159265f;

float Ridged(float t, std::uint32_t seed) {
  float n = Noise1(t, seed);
  float r = 1 - std::fabs(2 * n - 1);
  return r * r;
}

// Dune profile: a long gentle windward rise and a short steep slip face.
float DuneWave(float t) {
  float u = t - std::floor(t);
  return u < 0.72f ? std::sin(kPi / 2 * u / 0.72f) : std::cos(kPi / 2 * (u - 0.72f) / 0.28f);
}

float Triangle(float t) { return std::fabs(2 * (t - std::floor(t)) - 1); }

// Height above the ground line in 0..1 at horizontal position u (picture widths).
float RidgeShape(const Ridge& r, float u) {
  float t = u * r.frequency;
  switch (r.kind) {
    case Ridge::Kind::kMountains:
      return 0.55f * Ridged(t, r.seed) + 0.27f * Ridged(t * 2.1f, r.seed + 9) +
             0.13f * Ridged(t * 4.3f, r.seed + 13) + 0.05f * Fbm1(t * 8.9f, 2, r.seed + 17);
    case Ridge::Kind::kHills:
      // Value noise rarely leaves its middle range; stretch it to real hills.
      return Smoothstep(0.2f, 0.8f, Fbm1(t, 3, r.seed));
    case Ridge::Kind::kDunes:
      return (0.55f + 0.45f * Fbm1(t * 0.5f, 2, r.seed)) *
             DuneWave(t + 0.3f * Fbm1(t, 2, r.seed + 5));
    case Ridge::Kind::kPines: {
      // Rolling ground with a row of fir trees; cell = one tree slot.
      float ground = 0.25f * Fbm1(t * 0.2f, 2, r.seed);
      float cell = 1.0f / (r.frequency * 6.0f);  // in picture widths
      float best = ground;
      int k = static_cast<int>(std::floor(u / cell));
      for (int i = k - 2; i <= k + 2; ++i) {
        float centre = (static_cast<float>(i) + 0.2f + 0.6f * HashUnit(i, 1, r.seed)) * cell;
        float h = ground + 0.35f + 0.65f * HashUnit(i, 2, r.seed);
        float halfWidth = cell * (0.55f + 0.3f * HashUnit(i, 3, r.seed));
        float d = std::fabs(u - centre) / halfWidth;
        if (d >= 1) continue;
        // Tiers of boughs: the outline steps in every sixth of the height.
        float tier = 0.08f * Triangle(d * 3 + h * 7) * (1 - d);
        best = std::max(best, ground + (h - ground) * (1 - d) - tier);
      }
      return best;
    }
  }
  return 0;
}

struct Renderer {
  const Landscape& s;
  float w, h;
  std::vector<Profile> lines;  // ridge lines in pixels, per layer

  Renderer(const Landscape& scene, int width, int height)
      : s(scene), w(static_cast<float>(width)), h(static_cast<float>(height)) {
    for (const Ridge& r : s.ridges) {
      lines.emplace_back(
          w + 8, [&](float x) { return h * (r.base - r.amplitude * RidgeShape(r, x / w)); });
    }
  }

  Rgb Sky(float x, float y) const {
    float t = Clamp01(y / (h * s.horizon));
    Rgb c = s.sky.At(t);
    float bx = s.bodyX * w, by = s.bodyY * h, br = s.bodyRadius * h;
    float d = std::hypot(x - bx, y - by);
    if (s.stars > 0) {
      constexpr float kCell = 8;
      auto cx = static_cast<std::int32_t>(std::floor(x / kCell));
      auto cy = static_cast<std::int32_t>(std::floor(y / kCell));
      if (HashUnit(cx, cy, s.seed) < s.stars) {
        float sx = (static_cast<float>(cx) + 0.25f + 0.5f * HashUnit(cx, cy, s.seed + 1)) * kCell;
        float sy = (static_cast<float>(cy) + 0.25f + 0.5f * HashUnit(cx, cy, s.seed + 2)) * kCell;
        float b = HashUnit(cx, cy, s.seed + 3);
        float r = 0.45f + 0.9f * b * b;
        float e = ((x - sx) * (x - sx) + (y - sy) * (y - sy)) / (r * r);
        // Stars fade into the brighter sky near the horizon.
        float fade = 1 - Smoothstep(0.45f, 0.95f, t);
        Rgb tint = Mix(Hex(0xBFD4FF), Hex(0xFFE9C4), HashUnit(cx, cy, s.seed + 4));
        c = c + tint * (std::exp(-e) * (0.35f + 0.75f * b) * fade);
      }
    }
    if (s.aurora) c = c + Aurora(x, y);
    if (s.sun || s.moon) {
      c = c + s.glowColor * (0.55f * std::exp(-d / (s.glowSize * h)) +
                             0.35f * std::exp(-d / (s.glowSize * h * 0.25f)));
    }
    if (s.clouds > 0) c = Clouds(c, x, y, d);
    if (s.moon) {
      float cover = Coverage(d - br, 1.2f);
      if (cover > 0) {
        float maria = Fbm(x / br * 1.3f, y / br * 1.3f, 4, s.seed + 40);
        Rgb surface = Mix(s.bodyColor, s.bodyColor * 0.72f, Smoothstep(0.45f, 0.7f, maria));
        float limb = Clamp01(d / br);
        surface = surface * (1 - 0.18f * limb * limb);
        c = Mix(c, surface, cover);
      }
    } else if (s.sun) {
      c = Mix(c, s.bodyColor, Coverage(d - br, 1.5f));
    }
    return c;
  }

  Rgb Aurora(float x, float y) const {
    Rgb sum;
    for (int curtain = 0; curtain < 2; ++curtain) {
      std::uint32_t seed = s.seed + 60 + static_cast<std::uint32_t>(curtain) * 7;
      float u = x / w;
      // The curtain's lower hem swings across the sky in a wide S.
      float base =
          h * (0.34f + 0.1f * curtain + 0.3f * (Fbm1(u * 1.6f + 3.0f * curtain, 3, seed) - 0.5f));
      float rise = h * (0.2f - 0.05f * curtain);
      float above = base - y;
      if (above < -0.06f * h) continue;
      float hem = Smoothstep(-0.05f * h, 0.01f * h, above);
      float body = std::exp(-std::max(0.0f, above) / rise);
      float warp = 0.05f * h * Fbm1(u * 4, 2, seed + 3);
      float ray = Noise1((x + warp) / (0.03f * h), seed + 5);
      float fine = Noise1((x + warp) / (0.008f * h), seed + 6);
      float rays = 0.35f + 0.5f * ray * ray + 0.15f * fine;
      float flicker = 0.55f + 0.45f * Fbm1(u * 3 + 3, 2, seed + 9);
      Rgb colour = Mix(Hex(0x3CFFA0), Hex(0xB04DFF), Smoothstep(0.3f, 1.6f, above / rise));
      sum = sum + colour * (hem * body * rays * flicker * (curtain == 0 ? 0.95f : 0.55f));
    }
    return sum;
  }

  Rgb Clouds(Rgb c, float x, float y, float sunDistance) const {
    float band = Smoothstep(s.cloudTop * h, s.cloudTop * h + 0.08f * h, y) *
                 (1 - Smoothstep(s.cloudBottom * h - 0.1f * h, s.cloudBottom * h, y));
    if (band <= 0) return c;
    // Stretched wide so they read as evening streaks seen from afar.
    float n = Fbm(x / (0.35f * h), y / (0.07f * h), 5, s.seed + 20);
    float cover = 1.05f - 0.55f * s.clouds;
    float density = Smoothstep(cover - 0.12f, cover + 0.18f, n) * band;
    if (density <= 0) return c;
    float thin = Clamp01((n - cover + 0.12f) * 2.5f);
    Rgb lit = Mix(s.cloudLit, s.cloudLit * 1.25f, std::exp(-sunDistance / (0.3f * h)));
    Rgb colour = Mix(lit, s.cloudDark, thin);
    return Mix(c, colour, density * 0.92f);
  }

  // The scene above the water line: the nearest layer covering the point, or sky.
  Rgb Above(float x, float y) const {
    for (std::size_t i = s.ridges.size(); i-- > 0;) {
      const Ridge& r = s.ridges[i];
      float line = lines[i].At(x);
      if (y < line) continue;
      float depth = y - line;
      Rgb colour = Mix(r.crest, r.body, Smoothstep(0, 0.05f * h, depth));
      if (r.kind == Ridge::Kind::kMountains) {
        // Which side of its peak a point lies on decides light or shade; noise
        // bends the boundary into gullies further down the face.
        float turn = s.lightFromRight ? -1.0f : 1.0f;
        float gully = (Fbm(x / (0.04f * h), y / (0.08f * h), 3, r.seed + 5) - 0.5f) * depth * 0.45f;
        float px = x + gully - 0.5f * depth * turn;
        float slope = turn * (lines[i].At(px + 16) - lines[i].At(px - 16)) / 32;
        colour = Mix(colour, r.shadow, Smoothstep(-0.25f, 0.45f, slope) * 0.7f);
      } else if (r.kind == Ridge::Kind::kDunes) {
        float turn = s.lightFromRight ? -1.0f : 1.0f;
        float slope = turn * (lines[i].At(x + 3) - lines[i].At(x - 3)) / 6;
        colour = Mix(colour, r.shadow, Smoothstep(-0.05f, 0.25f, slope) * 0.85f);
        float ripples = std::sin((y + 0.25f * x + 18 * Fbm(x / 90, y / 40, 2, r.seed)) * 0.55f);
        colour = colour * (1 + 0.035f * ripples);
      }
      if (r.snowLine >= 0) {
        float n = Fbm(x / 18, y / 9, 3, r.seed + 3);
        float snow =
            Smoothstep(r.snowLine * h + 12, r.snowLine * h - 18, y + (n - 0.5f) * 0.07f * h);
        colour = Mix(colour, Mix(Hex(0xF4F0FF), r.crest, 0.3f), snow * 0.9f);
      }
      float grain = Fbm(x / 6, y / 6, 2, r.seed + 11) - 0.5f;
      colour = colour * (1 + 0.06f * grain);
      // Mist lies in level banks at the foot of each layer.
      float mist = r.mist * Smoothstep((r.base - 0.5f * r.amplitude) * h, (r.base + 0.1f) * h, y);
      return Mix(colour, s.mist, mist);
    }
    return Sky(x, y);
  }

  Rgb Shade(float x, float y) const {
    float waterLine = s.horizon * h;
    if (!s.water || y < waterLine) return Above(x, y);
    for (std::size_t i = 0; i < s.ridges.size(); ++i) {
      // A shore in front of the lake stands over the water.
      if (s.ridges[i].shore && y >= lines[i].At(x)) return Above(x, y);
    }
    float below = y - waterLine;
    float depth = below / (h - waterLine);  // 0 at the horizon, 1 at the bottom edge
    float ry = y / (0.006f * h + below * 0.08f);
    float ripple = (Fbm(x / (0.08f * h), ry, 3, s.seed + 30) - 0.5f) * s.ripples;
    float mirrorY = waterLine - below - ripple * (2 + 0.05f * below);
    Rgb reflected = Above(x + ripple * 14 * (0.3f + depth), std::max(0.0f, mirrorY));
    float mirror = 0.85f - 0.35f * depth;
    Rgb colour = Mix(s.waterTint, reflected, mirror);
    if (s.glitter > 0) {
      float column = std::exp(-std::fabs(x - s.bodyX * w) / (0.03f * w + depth * 0.12f * w));
      float sparkle = ValueNoise(x / (2 + 6 * depth), ry * 1.7f, s.seed + 33);
      sparkle = Smoothstep(0.62f, 0.9f, sparkle);
      colour = colour + s.glowColor * (s.glitter * column * sparkle);
    }
    return colour;
  }
};

}  // namespace

Image RenderLandscape(const Landscape& scene, int width, int height) {
  auto renderer = std::make_unique<Renderer>(scene, width, height);
  const Renderer& r = *renderer;
  return Render(
      width, height, 2, [&r](float x, float y) { return r.Shade(x, y); }, scene.seed);
}

}  // namespace samplegen
