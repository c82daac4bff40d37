#include <algorithm>
#include <cmath>
#include <vector>

#include "Gradient.h"
#include "Noise.h"
#include "Random.h"
#include "Scenes.h"

namespace samplegen {
namespace {

struct Building {
  float x0, x1, top;
  float setback;  // width taken off each side of the upper tier (0 for none)
  float tierTop;  // top of the upper tier
  bool antenna;
  float cellW, cellH;
  std::uint32_t seed;
};

std::vector<Building> Skyline(float w, float h, float minTop, float maxTop, float scale,
                              std::uint64_t seed) {
  Random random(seed);
  std::vector<Building> row;
  float x = -random.Range(0, 0.05f) * w;
  while (x < w) {
    Building b{};
    float width = random.Range(0.035f, 0.085f) * w * scale;
    b.x0 = x;
    b.x1 = x + width;
    b.top = random.Range(minTop, maxTop) * h;
    b.tierTop = b.top;
    if (random.Unit() < 0.35f) {
      b.setback = width * random.Range(0.15f, 0.3f);
      b.tierTop = b.top - random.Range(0.03f, 0.08f) * h;
    }
    b.antenna = random.Unit() < 0.3f;
    b.cellW = random.Range(7, 10) * scale;
    b.cellH = random.Range(9, 13) * scale;
    b.seed = static_cast<std::uint32_t>(random.Next());
    row.push_back(b);
    x += width + random.Range(-0.3f, 0.1f) * width;
  }
  return row;
}

struct City {
  float w, h, waterLine;
  Gradient sky{{0, Hex(0x141A44)},
               {0.4f, Hex(0x3E2F6E)},
               {0.72f, Hex(0xC0607A)},
               {0.9f, Hex(0xF49A6A)},
               {1, Hex(0xFFC880)}};
  std::vector<Building> far, near;

  // The building of a row at x: the last one that starts before x and covers it
  // (later buildings stand in front).
  const Building* At(const std::vector<Building>& row, float x, float y) const {
    for (auto it = row.rbegin(); it != row.rend(); ++it) {
      if (x < it->x0 || x >= it->x1) continue;
      float top = it->top;
      if (it->setback > 0 && x >= it->x0 + it->setback && x < it->x1 - it->setback)
        top = it->tierTop;
      if (y >= top) return &*it;
    }
    return nullptr;
  }

  Rgb Windows(const Building& b, float x, float y, Rgb wall, float litShare, float glow) const {
    float lx = x - b.x0 - b.cellW * 0.6f;
    float ly = y - b.tierTop - b.cellH * 0.8f;
    if (lx < 0 || ly < 0 || x > b.x1 - b.cellW * 0.4f) return wall;
    auto col = static_cast<std::int32_t>(lx / b.cellW);
    auto row = static_cast<std::int32_t>(ly / b.cellH);
    float fx = lx - static_cast<float>(col) * b.cellW, fy = ly - static_cast<float>(row) * b.cellH;
    if (fx > b.cellW * 0.55f || fy > b.cellH * 0.6f) return wall;
    float lit = HashUnit(col, row / 2, b.seed);  // lit windows come in pairs of floors
    if (lit < litShare) {
      Rgb warm = Mix(Hex(0xFFC66A), Hex(0xFFF0C0), HashUnit(col, row, b.seed + 1));
      if (HashUnit(col, row, b.seed + 2) < 0.12f) warm = Hex(0xA8D8FF);
      return warm * glow;
    }
    return Mix(wall, sky.At(0.8f), 0.12f);
  }

  Rgb Above(float x, float y) const {
    if (const Building* b = At(near, x, y)) {
      Rgb wall = Mix(Hex(0x1C1A36), Hex(0x2C2444), Clamp01((y - b->top) / (0.3f * h)));
      // The glow low in the west catches the left edges.
      if (x - b->x0 < 2.5f) wall = Mix(wall, Hex(0xC07088), 0.45f);
      return Windows(*b, x, y, wall, 0.32f, 1.0f);
    }
    if (const Building* b = At(far, x, y)) {
      Rgb wall = Hex(0x4A3A6E);
      Rgb c = Windows(*b, x, y, wall, 0.18f, 0.7f);
      return Mix(c, Hex(0x9A5A80), 0.35f);
    }
    Rgb c = sky.At(Clamp01(y / waterLine));
    for (const Building& b : near) {
      if (!b.antenna) continue;
      float ax = (b.x0 + b.x1) / 2, top = b.tierTop - 0.06f * h;
      if (std::fabs(x - ax) < 0.8f && y > top && y < b.tierTop) c = Hex(0x1C1A36);
      float d = std::hypot(x - ax, y - top);
      c = c + Hex(0xFF3030) * (0.9f * std::exp(-d * d / 6));
    }
    float moon = std::hypot(x - 0.2f * w, y - 0.18f * h) - 0.035f * h;
    float bite = std::hypot(x - 0.2f * w - 0.018f * h, y - 0.18f * h + 0.008f * h) - 0.033f * h;
    c = c + Hex(0x8080B0) * (0.25f * std::exp(-std::max(0.0f, moon) / (0.05f * h)));
    c = Mix(c, Hex(0xFFF4DC), Coverage(moon, 1.2f) * (1 - Coverage(bite, 1.2f)));
    return c;
  }

  Rgb Shade(float x, float y) const {
    if (y < waterLine) return Above(x, y);
    float below = y - waterLine;
    float wobble = (Fbm(x / 40, below / (2 + below * 0.06f), 3, 91) - 0.5f) * (4 + below * 0.12f);
    Rgb mirrored = Above(x + wobble, waterLine - below * 1.1f - 1);
    float depth = below / (h - waterLine);
    return Mix(mirrored * 0.8f, Hex(0x0E0C22), 0.25f + 0.4f * depth);
  }
};

}  // namespace

Image CityAtDusk(int width, int height) {
  City city;
  city.w = static_cast<float>(width);
  city.h = static_cast<float>(height);
  city.waterLine = 0.76f * city.h;
  float scale = city.h / 600;
  city.far = Skyline(city.w, city.h, 0.42f, 0.62f, scale * 0.8f, 1201);
  city.near = Skyline(city.w, city.h, 0.34f, 0.66f, scale, 1202);
  const City& c = city;
  return Render(
      width, height, 3, [&c](float x, float y) { return c.Shade(x, y); }, 1203);
}

}  // namespace samplegen
