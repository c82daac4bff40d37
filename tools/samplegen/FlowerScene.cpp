#include <cmath>
#include <vector>

#include "Gradient.h"
#include "Noise.h"
#include "Random.h"
#include "Scenes.h"

namespace samplegen {
namespace {

constexpr float kPi = 3.14159265f;

struct Point {
  float x, y;
};

// A curved stroke whose thickness varies along it (stems and leaves): a
// quadratic curve cut into short segments.
struct Stroke {
  std::vector<Point> points;
  std::vector<float> radii;
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;

  Stroke(Point a, Point control, Point b, float r0, float rMid, float r1, bool leaf) {
    constexpr int kSegments = 20;
    float largest = std::max({r0, rMid, r1});
    for (int i = 0; i <= kSegments; ++i) {
      float t = static_cast<float>(i) / kSegments;
      float s = 1 - t;
      Point p{s * s * a.x + 2 * s * t * control.x + t * t * b.x,
              s * s * a.y + 2 * s * t * control.y + t * t * b.y};
      points.push_back(p);
      radii.push_back(leaf ? rMid * std::pow(std::sin(kPi * t), 0.7f) + r0 * s
                           : Lerp(Lerp(r0, rMid, t), Lerp(rMid, r1, t), t));
      minX = std::min(minX, p.x - largest);
      maxX = std::max(maxX, p.x + largest);
      minY = std::min(minY, p.y - largest);
      maxY = std::max(maxY, p.y + largest);
    }
  }

  // Signed distance (negative inside) and which side of the centre line.
  float Distance(float x, float y, float& side) const {
    if (x < minX - 2 || x > maxX + 2 || y < minY - 2 || y > maxY + 2) return 1e9f;
    float best = 1e9f;
    for (std::size_t i = 1; i < points.size(); ++i) {
      Point a = points[i - 1], b = points[i];
      float bx = b.x - a.x, by = b.y - a.y;
      float t =
          std::clamp(((x - a.x) * bx + (y - a.y) * by) / (bx * bx + by * by + 1e-6f), 0.0f, 1.0f);
      float ex = x - a.x - bx * t, ey = y - a.y - by * t;
      float d = std::hypot(ex, ey) - Lerp(radii[i - 1], radii[i], t);
      if (d < best) {
        best = d;
        side = bx * ey - by * ex;
      }
    }
    return best;
  }
};

struct Tulip {
  float x, y, size, tilt;
  Rgb deep, light;
};

struct Bokeh {
  float x, y, r;
  Rgb colour;
};

struct Garden {
  float w, h;
  std::vector<Stroke> stems, leaves;
  std::vector<Tulip> heads;
  std::vector<Bokeh> bokeh;

  Rgb Background(float x, float y) const {
    static const Gradient kBackdrop{
        {0, Hex(0xF7EEDD)}, {0.45f, Hex(0xD9E8C8)}, {0.8f, Hex(0x9CC08A)}, {1, Hex(0x6A9A5C)}};
    Rgb c = kBackdrop.At(y / h);
    for (const Bokeh& b : bokeh) {
      float d = std::hypot(x - b.x, y - b.y) - b.r;
      c = Mix(c, b.colour, Coverage(d, b.r * 0.25f) * 0.35f);
    }
    return c;
  }

  // Cup of three petals in the head's own frame (v up, unit size); returns
  // whether inside and the petal shading.
  bool Head(const Tulip& t, float x, float y, Rgb& out) const {
    float lx = (x - t.x) / t.size, ly = (t.y - y) / t.size;
    float c = std::cos(t.tilt), s = std::sin(t.tilt);
    float u = c * lx + s * ly, v = -s * lx + c * ly;
    if (std::fabs(u) > 0.7f || v < -0.75f || v > 0.95f) return false;
    const float rx = 0.55f, ry = 0.62f;
    bool inside;
    if (v < 0) {
      inside = (u * u) / (rx * rx) + (v * v) / (ry * ry) < 1;
    } else {
      float halfWidth = rx * (1 - 0.12f * v * v);
      float crown = ry * (0.5f + 0.45f * std::pow(std::fabs(std::cos(1.5f * kPi * u / rx)), 0.6f));
      inside = std::fabs(u) < halfWidth && v < crown;
    }
    if (!inside) return false;
    float rise = Clamp01((v + ry) / (2 * ry));
    Rgb colour = Mix(t.deep, t.light, Smoothstep(0.1f, 1.0f, rise));
    float round = std::cos(std::clamp(u / rx, -1.0f, 1.0f) * kPi / 2);
    float fold = std::exp(-std::pow((std::fabs(u) - rx / 3) / (0.07f * rx), 2.0f)) *
                 Smoothstep(-0.3f, 0.2f, v);
    float highlight = std::exp(-std::pow((u + 0.2f) / 0.12f, 2.0f)) * Smoothstep(-0.4f, 0.3f, v);
    out = colour * (0.62f + 0.38f * round) * (1 - 0.3f * fold) + Rgb{1, 1, 1} * (0.18f * highlight);
    return true;
  }

  Rgb Shade(float x, float y) const {
    Rgb c = Background(x, y);
    float side = 0;
    for (const Stroke& leaf : leaves) {
      float d = leaf.Distance(x, y, side);
      if (d > 1) continue;
      Rgb colour = side > 0 ? Hex(0x4F8A3A) : Hex(0x3A6E2C);
      c = Mix(c, colour * (0.9f + 0.2f * Clamp01(-d / 6)), Coverage(d, 1.2f));
    }
    for (std::size_t i = 0; i < heads.size(); ++i) {
      float d = stems[i].Distance(x, y, side);
      if (d < 1) c = Mix(c, side > 0 ? Hex(0x5E9A40) : Hex(0x44782E), Coverage(d, 1.2f));
      Rgb petal;
      if (Head(heads[i], x, y, petal)) c = petal;
    }
    return c;
  }
};

}  // namespace

Image Tulips(int width, int height) {
  Garden g;
  g.w = static_cast<float>(width);
  g.h = static_cast<float>(height);
  Random random(1601);
  for (int i = 0; i < 18; ++i) {
    float r = random.Range(0.03f, 0.09f) * g.w;
    Rgb colour = Mix(Hex(0xFFF6E0), Hex(0xF4C0C8), random.Unit());
    g.bokeh.push_back({random.Range(0, g.w), random.Range(0, 0.6f) * g.h, r, colour});
  }
  struct Bloom {
    float x, y, size, tilt;
    unsigned deep, light;
  };
  const Bloom blooms[] = {
      {0.18f, 0.44f, 0.11f, -0.18f, 0xB0172E, 0xF25C5C},
      {0.38f, 0.30f, 0.12f, -0.05f, 0xD9480F, 0xFFB347},
      {0.60f, 0.38f, 0.115f, 0.10f, 0xC2185B, 0xF8A5C2},
      {0.82f, 0.50f, 0.10f, 0.22f, 0xE0A800, 0xFFF07A},
      {0.50f, 0.58f, 0.10f, 0.02f, 0x7B1FA2, 0xD6A3E8},
      {0.28f, 0.66f, 0.095f, -0.12f, 0xE0E0D0, 0xFFFFFF},
      {0.72f, 0.70f, 0.095f, 0.15f, 0xB0172E, 0xFF8A80},
  };
  for (const Bloom& s : blooms) {
    float size = s.size * g.w * 1.3f;
    Tulip t{s.x * g.w, s.y * g.h, size, s.tilt, Hex(s.deep), Hex(s.light)};
    float baseX = t.x + random.Range(-0.08f, 0.08f) * g.w;
    Point head{t.x + std::sin(s.tilt) * size * 0.5f, t.y + size * 0.55f};
    Point bottom{baseX, g.h + 10};
    Point bend{(head.x + baseX) / 2 + random.Range(-0.05f, 0.05f) * g.w, (head.y + g.h) / 2};
    g.stems.emplace_back(bottom, bend, head, 0.012f * g.w, 0.010f * g.w, 0.008f * g.w, false);
    for (int side = -1; side <= 1; side += 2) {
      float tipY = t.y + random.Range(0.25f, 0.45f) * (g.h - t.y);
      Point tip{baseX + static_cast<float>(side) * random.Range(0.08f, 0.16f) * g.w, tipY};
      Point control{baseX + static_cast<float>(side) * 0.02f * g.w, (tipY + g.h) / 2};
      g.leaves.emplace_back(Point{baseX, g.h + 20}, control, tip, 0.0f, 0.035f * g.w, 0.0f, true);
    }
    g.heads.push_back(t);
  }
  const Garden& garden = g;
  return Render(
      width, height, 3, [&garden](float x, float y) { return garden.Shade(x, y); }, 1602);
}

}  // namespace samplegen
