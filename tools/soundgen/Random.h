#pragma once

#include <cstdint>

namespace soundgen {

// Every sound draws its noise, dither and event timing from this generator,
// seeded per sound, so that a build writes the same bytes every time.
class Prng {
 public:
  explicit Prng(std::uint64_t seed) : state(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  // Uniform in [-1, 1).
  double Bipolar() { return 2.0 * Uniform() - 1.0; }

  double Range(double low, double high) { return low + (high - low) * Uniform(); }

 private:
  std::uint64_t state;
};

}  // namespace soundgen
