#include <cmath>

#include "Gradient.h"
#include "Noise.h"
#include "Scenes.h"

namespace samplegen {
namespace {

// Deep sea blues through aqua and cream to coral and plum.
const Gradient kInk{{0, Hex(0x0F2030)},     {0.22f, Hex(0x1F5F70)}, {0.42f, Hex(0x6CC4BC)},
                    {0.56f, Hex(0xF3E6CC)}, {0.72f, Hex(0xF09070)}, {0.88f, Hex(0x8A3464)},
                    {1, Hex(0x2A1840)}};

}  // namespace

// Colour fields folded by nested noise, like ink drifting in water. The field
// is smooth everywhere, so one sample per pixel is enough.
Image ColourFlow(int width, int height) {
  const float scale = 2.2f / static_cast<float>(height);
  auto shade = [scale](float x, float y) {
    float px = x * scale, py = y * scale;
    float qx = Fbm(px, py, 4, 11), qy = Fbm(px + 5.2f, py + 1.3f, 4, 12);
    float rx = Fbm(px + 3.5f * qx + 1.7f, py + 3.5f * qy + 9.2f, 4, 13);
    float ry = Fbm(px + 3.5f * qx + 8.3f, py + 3.5f * qy + 2.8f, 4, 14);
    float v = Fbm(px + 3.0f * rx, py + 3.0f * ry, 4, 15);
    Rgb c = kInk.At(Clamp01((v - 0.3f) * 2.4f + 0.3f * (qx - 0.5f)));
    // Soft bright filaments where the folding is tightest.
    float filament = std::exp(-std::pow((rx - ry) * 7.0f, 2.0f));
    return c + Rgb{1.0f, 0.95f, 0.85f} * (0.12f * filament);
  };
  return Render(width, height, 1, shade, 1401);
}

}  // namespace samplegen
