#pragma once

#include <string_view>
#include <vector>

namespace samplegen {

// Capital letters drawn as strokes (the few the overlays spell), laid out on
// a line: cap height 1, y growing downwards.
struct Segment {
  float x0, y0, x1, y1;
};

struct Lettering {
  std::vector<Segment> segments;
  float width = 0;  // advance of the whole text, in cap heights
};

// Unknown characters advance like a space.
Lettering LayOut(std::string_view text, float letterSpacing);

// Distance from (x, y) to the nearest stroke centre line, in cap heights.
float StrokeDistance(const Lettering& text, float x, float y);

}  // namespace samplegen
