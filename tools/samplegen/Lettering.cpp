#include "Lettering.h"

#include <algorithm>
#include <cmath>

namespace samplegen {
namespace {

struct Glyph {
  char letter;
  float width;
  std::vector<std::vector<std::pair<float, float>>> strokes;
};

std::vector<std::pair<float, float>> Oval(float cx, float cy, float rx, float ry) {
  std::vector<std::pair<float, float>> points;
  for (int i = 0; i <= 28; ++i) {
    float a = 6.2831853f * static_cast<float>(i) / 28;
    points.emplace_back(cx + rx * std::cos(a), cy + ry * std::sin(a));
  }
  return points;
}

const std::vector<Glyph>& Glyphs() {
  static const std::vector<Glyph> kGlyphs{
      {'L', 0.62f, {{{0, 0}, {0, 1}, {0.62f, 1}}}},
      {'U',
       0.78f,
       {{{0, 0},
         {0, 0.64f},
         {0.06f, 0.85f},
         {0.2f, 0.97f},
         {0.39f, 1},
         {0.58f, 0.97f},
         {0.72f, 0.85f},
         {0.78f, 0.64f},
         {0.78f, 0}}}},
      {'M', 0.92f, {{{0, 1}, {0, 0}, {0.46f, 0.62f}, {0.92f, 0}, {0.92f, 1}}}},
      {'I', 0.0f, {{{0, 0}, {0, 1}}}},
      {'S',
       0.74f,
       {{{0.72f, 0.13f},
         {0.58f, 0.03f},
         {0.36f, 0},
         {0.14f, 0.05f},
         {0.03f, 0.19f},
         {0.08f, 0.35f},
         {0.28f, 0.46f},
         {0.52f, 0.54f},
         {0.7f, 0.66f},
         {0.74f, 0.83f},
         {0.63f, 0.96f},
         {0.4f, 1},
         {0.16f, 0.96f},
         {0, 0.85f}}}},
      {'H', 0.78f, {{{0, 0}, {0, 1}}, {{0.78f, 0}, {0.78f, 1}}, {{0, 0.5f}, {0.78f, 0.5f}}}},
      {'O', 0.9f, {Oval(0.45f, 0.5f, 0.45f, 0.5f)}},
      {'W', 1.1f, {{{0, 0}, {0.26f, 1}, {0.55f, 0.3f}, {0.84f, 1}, {1.1f, 0}}}},
  };
  return kGlyphs;
}

}  // namespace

Lettering LayOut(std::string_view text, float letterSpacing) {
  Lettering out;
  float x = 0;
  for (char c : text) {
    auto it = std::find_if(Glyphs().begin(), Glyphs().end(),
                           [c](const Glyph& g) { return g.letter == c; });
    if (it == Glyphs().end()) {
      x += 0.5f + letterSpacing;
      continue;
    }
    for (const auto& stroke : it->strokes) {
      for (std::size_t i = 1; i < stroke.size(); ++i) {
        out.segments.push_back(
            {x + stroke[i - 1].first, stroke[i - 1].second, x + stroke[i].first, stroke[i].second});
      }
    }
    x += it->width + letterSpacing;
  }
  out.width = std::max(0.0f, x - letterSpacing);
  return out;
}

float StrokeDistance(const Lettering& text, float x, float y) {
  float best = 1e9f;
  for (const Segment& s : text.segments) {
    float bx = s.x1 - s.x0, by = s.y1 - s.y0;
    float len2 = bx * bx + by * by;
    float t = len2 > 0 ? std::clamp(((x - s.x0) * bx + (y - s.y0) * by) / len2, 0.0f, 1.0f) : 0;
    best = std::min(best, std::hypot(x - s.x0 - bx * t, y - s.y0 - by * t));
  }
  return best;
}

}  // namespace samplegen
