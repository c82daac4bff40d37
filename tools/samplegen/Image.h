#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Color.h"

namespace samplegen {

// An 8-bit RGB picture, rows top to bottom, three bytes per pixel.
struct Image {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* At(int x, int y) const {
    return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
  }
};

// Colour of a point given in pixel units (0..width, 0..height).
using Shader = std::function<Rgb(float x, float y)>;

// Shades every pixel from samplesPerAxis² evenly spread samples (anti-aliasing)
// and adds a faint fixed grain so smooth gradients do not band after JPEG and
// palette reduction. Rows are shared out over threads; the result does not
// depend on how many.
Image Render(int width, int height, int samplesPerAxis, const Shader& shader,
             std::uint32_t grainSeed);

// A function of x tabulated at quarter pixels and read back linearly, so
// ridge lines costing a fractal sum each are computed once per column rather
// than once per sample.
class Profile {
 public:
  Profile(float width, const std::function<float(float x)>& f);
  float At(float x) const;

 private:
  std::vector<float> values_;
};

}  // namespace samplegen
