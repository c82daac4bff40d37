#include "Noise.h"

#include <cmath>

namespace samplegen {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x27D4EB2Du;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return static_cast<float>(Hash(x, y, seed) >> 8) / static_cast<float>(1u << 24);
}

namespace {
float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
  float u = Fade(x - fx), v = Fade(y - fy);
  float a = HashUnit(ix, iy, seed), b = HashUnit(ix + 1, iy, seed);
  float c = HashUnit(ix, iy + 1, seed), d = HashUnit(ix + 1, iy + 1, seed);
  float top = a + (b - a) * u, bottom = c + (d - c) * u;
  return top + (bottom - top) * v;
}

float Fbm(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
    norm += amp;
    // A slight rotation between octaves hides the lattice's grid.
    float nx = 1.6f * x - 1.2f * y, ny = 1.2f * x + 1.6f * y;
    x = nx;
    y = ny;
    amp *= 0.5f;
  }
  return sum / norm;
}

float Noise1(float x, std::uint32_t seed) { return ValueNoise(x, 0.5f, seed); }

float Fbm1(float x, int octaves, std::uint32_t seed) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise1(x, seed + static_cast<std::uint32_t>(i) * 131u);
    norm += amp;
    x *= 2.03f;
    amp *= 0.5f;
  }
  return sum / norm;
}

}  // namespace samplegen
