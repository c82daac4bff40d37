#include "Overlays.h"

#include <cmath>

#include "Lettering.h"

namespace samplegen {
namespace {

constexpr float kPi = 3.14159265f;

Rgb Panel(float y, float height) { return Mix(Hex(0x1A1F3A), Hex(0x0B0E1E), y / height); }

// Distance to a five-pointed star of outer radius r centred at the origin.
float StarDistance(float x, float y, float r) {
  const float inner = r * 0.42f;
  float a = std::atan2(x, -y);  // 0 at the top point
  float sector = 2 * kPi / 5;
  a = std::fmod(a + 10 * sector, sector) - sector / 2;
  float d = std::hypot(x, y);
  float px = d * std::cos(a), py = d * std::fabs(std::sin(a));
  // Edge from the outer point (r, 0) to the inner notch at half a sector.
  float ix = inner * std::cos(sector / 2), iy = inner * std::sin(sector / 2);
  float ex = ix - r, ey = iy;
  float t = std::clamp(((px - r) * ex + py * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
  float dist = std::hypot(px - r - ex * t, py - ey * t);
  float side = (px - r) * ey - py * ex;  // negative inside
  return side < 0 ? -dist : dist;
}

}  // namespace

Image Logo() {
  const float w = kLogoWidth, h = kLogoHeight;
  static const Lettering kWord = LayOut("LUMISHOW", 0.32f);
  // The word is centred in the space right of the sun mark.
  const float cap = 13.0f, top = (h - cap) / 2;
  const float left = 34.0f + (w - 34.0f - 6.0f - kWord.width * cap) / 2;
  auto shade = [=](float x, float y) {
    Rgb c = Panel(y, h);
    // A fine gold frame one pixel in from the edge.
    float frame = std::min({x - 1.5f, w - 1.5f - x, y - 1.5f, h - 1.5f - y});
    c = Mix(c, Hex(0xC8A050), Coverage(std::fabs(frame) - 0.5f, 1.0f));
    // The sun mark: a disc with eight short rays.
    float sx = x - 18, sy = y - h / 2;
    float d = std::hypot(sx, sy);
    c = c + Hex(0xFF9A40) * (0.35f * std::exp(-d / 6));
    float a = std::atan2(sy, sx);
    float ray = std::fabs(std::sin(a * 4)) < 0.22f && d > 7.5f && d < 11.5f ? -1.0f : 1.0f;
    c = Mix(c, Hex(0xFFC860), Coverage(ray, 1.0f));
    c = Mix(c, Mix(Hex(0xFFF0B0), Hex(0xFFB040), Clamp01(d / 6)), Coverage(d - 5.5f, 1.0f));
    // The word, in warm white fading to gold at the foot of the letters.
    float u = (x - left) / cap, v = (y - top) / cap;
    float stroke = StrokeDistance(kWord, u, v) * cap - 1.25f;
    Rgb ink = Mix(Hex(0xFFF6E0), Hex(0xE8B860), Clamp01(v));
    return Mix(c, ink, Coverage(stroke, 1.0f));
  };
  return Render(kLogoWidth, kLogoHeight, 4, shade, 1701);
}

Image Badge() {
  const float s = kBadgeSize, centre = s / 2;
  auto shade = [=](float x, float y) {
    Rgb c = Panel(y, s);
    float dx = x - centre, dy = y - centre;
    float d = std::hypot(dx, dy);
    float outer = d - (centre - 3);
    Rgb rim = Mix(Hex(0xF6D88A), Hex(0xA8782A), Clamp01((dy + dx * 0.3f) / s + 0.5f));
    c = Mix(c, rim, Coverage(outer, 1.0f));
    Rgb field = Mix(Hex(0x2E3C80), Hex(0x141C48), Clamp01(d / centre));
    c = Mix(c, field, Coverage(d - (centre - 7), 1.0f));
    float star = StarDistance(dx, dy + 1, centre - 11);
    Rgb gold = Mix(Hex(0xFFF0B0), Hex(0xE0A030), Clamp01((dy + centre) / s));
    return Mix(c, gold, Coverage(star, 1.0f));
  };
  return Render(kBadgeSize, kBadgeSize, 4, shade, 1702);
}

}  // namespace samplegen
