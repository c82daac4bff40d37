#include "Gradient.h"

namespace samplegen {

Rgb Gradient::At(float t) const {
  if (stops_.empty()) return {};
  if (t <= stops_.front().at) return stops_.front().color;
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    const Stop& a = stops_[i - 1];
    const Stop& b = stops_[i];
    if (t <= b.at) {
      float span = b.at - a.at;
      float u = span > 0 ? (t - a.at) / span : 1.0f;
      return Mix(a.color, b.color, Smoothstep(0, 1, u));
    }
  }
  return stops_.back().color;
}

}  // namespace samplegen
