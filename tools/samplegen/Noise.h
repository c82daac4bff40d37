#pragma once

#include <cstdint>

namespace samplegen {

// Stateless hashing of lattice points: any pixel can be shaded independently
// (and on any thread) with the same result.
std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);
float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);  // [0, 1)

// Smooth value noise in [0, 1] and its fractal sum (also [0, 1]).
float ValueNoise(float x, float y, std::uint32_t seed);
float Fbm(float x, float y, int octaves, std::uint32_t seed);
// One-dimensional versions for ridge lines.
float Noise1(float x, std::uint32_t seed);
float Fbm1(float x, int octaves, std::uint32_t seed);

}  // namespace samplegen
