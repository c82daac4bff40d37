#pragma once

#include <cmath>
#include <complex>
#include <cstddef>
#include <utility>
#include <vector>

#include "Dsp.h"

namespace soundgen {

// Power in each frequency bin of a Hann-windowed frame whose length is a
// power of two.
template <typename Sample>
std::vector<double> PowerBins(const std::vector<Sample>& s, std::size_t from, std::size_t size) {
  std::vector<std::complex<double>> x(size);
  for (std::size_t i = 0; i < size; ++i) {
    const double hann = 0.5 - 0.5 * std::cos(2.0 * kPi * i / size);
    x[i] = hann * s[from + i];
  }
  for (std::size_t i = 1, j = 0; i < size; ++i) {
    std::size_t bit = size >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(x[i], x[j]);
  }
  for (std::size_t len = 2; len <= size; len <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2.0 * kPi / len);
    for (std::size_t i = 0; i < size; i += len) {
      std::complex<double> w = 1.0;
      for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
        const auto a = x[i + k];
        const auto b = w * x[i + k + len / 2];
        x[i + k] = a + b;
        x[i + k + len / 2] = a - b;
      }
    }
  }
  std::vector<double> power(size / 2);
  for (std::size_t k = 0; k < size / 2; ++k) power[k] = std::norm(x[k]);
  return power;
}

}  // namespace soundgen
