#pragma once

#include <initializer_list>
#include <vector>

#include "Color.h"

namespace samplegen {

// A colour ramp through stops at positions 0..1, eased between stops so the
// skies show no visible kinks.
class Gradient {
 public:
  struct Stop {
    float at;
    Rgb color;
  };
  Gradient(std::initializer_list<Stop> stops) : stops_(stops) {}
  Rgb At(float t) const;

 private:
  std::vector<Stop> stops_;
};

}  // namespace samplegen
