#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "Dsp.h"
#include "Fourier.h"

namespace soundgen {
namespace {

// Partials above the limit would fold back below half the sample rate as
// tones unrelated to the note; everything the oscillators make must sit on
// the note's own harmonics.
TEST(Oscillators, StayOnTheirHarmonicsWithoutFoldingBack) {
  struct Case {
    const char* name;
    double hz;
    std::function<double(double phase, double hz)> wave;
  };
  const Case cases[] = {
      {"low saw", 150.0, Saw},
      {"high saw", 1500.0, Saw},
      {"saw near the limit", 2900.0, Saw},
      {"square", 700.0, Square},
      {"high square", 2100.0, Square},
      {"bright reed", 1800.0, [](double p, double f) { return Reed(p, f, 0.9); }},
  };
  const std::size_t size = 4096;
  const double binHz = static_cast<double>(kSampleRate) / size;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> signal(size);
    Phase phase;
    for (double& x : signal) x = c.wave(phase.Advance(c.hz), c.hz);
    const auto power = PowerBins(signal, 0, size);
    double total = 0.0;
    double stray = 0.0;
    for (std::size_t k = 1; k < power.size(); ++k) {
      const double hz = k * binHz;
      const double harmonic = std::round(hz / c.hz) * c.hz;
      total += power[k];
      if (std::abs(hz - harmonic) > 4.0 * binHz) stray += power[k];
    }
    EXPECT_LT(stray, 1e-4 * total);
    double above = 0.0;
    for (std::size_t k = static_cast<std::size_t>(5100.0 / binHz); k < power.size(); ++k) {
      above += power[k];
    }
    EXPECT_LT(above, 1e-4 * total);
  }
}

TEST(RenderLoop, SettlesFiltersSoTheEndLeadsIntoTheStart) {
  // A resonant filter fed with a tone of whole cycles per loop: played
  // round and round, the loop must match a long, continuous run.
  const int n = 2205;
  Biquad filter;
  filter.SetBandPass(600.0, 8.0);
  const Signal loop = RenderLoop(n, [&](int i) { return filter.Process(Sine(30.0 * i / n)); });

  Biquad reference;
  reference.SetBandPass(600.0, 8.0);
  double worst = 0.0;
  for (int i = 0; i < 6 * n; ++i) {
    const double y = reference.Process(Sine(30.0 * (i % n) / n));
    if (i >= 5 * n) worst = std::max(worst, std::abs(y - loop[static_cast<std::size_t>(i % n)]));
  }
  EXPECT_LT(worst, 1e-6);
}

}  // namespace
}  // namespace soundgen
