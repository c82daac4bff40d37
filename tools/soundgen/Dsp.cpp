#include "Dsp.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr double kPartialFadeStart = 4000.0;
constexpr double kPartialLimit = 5000.0;

int MaxHarmonic(double hz) {
  const double magnitude = std::abs(hz);
  if (magnitude < 1.0) return 1;
  return std::max(1, static_cast<int>(kPartialLimit / magnitude));
}

}  // namespace

int SamplesOf(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

double NoteHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

double PartialGain(double hz) {
  const double magnitude = std::abs(hz);
  if (magnitude <= kPartialFadeStart) return 1.0;
  if (magnitude >= kPartialLimit) return 0.0;
  const double x = (magnitude - kPartialFadeStart) / (kPartialLimit - kPartialFadeStart);
  return 0.5 * (1.0 + std::cos(kPi * x));
}

double Sine(double phase) { return std::sin(2.0 * kPi * phase); }

double Saw(double phase, double hz) {
  return Harmonics(phase, hz, MaxHarmonic(hz), [](int k) { return (k % 2 == 1 ? 0.6 : -0.6) / k; });
}

double Square(double phase, double hz) {
  return Harmonics(phase, hz, MaxHarmonic(hz), [](int k) { return k % 2 == 1 ? 0.8 / k : 0.0; });
}

double Reed(double phase, double hz, double brightness) {
  return Harmonics(phase, hz, MaxHarmonic(hz),
                   [brightness](int k) { return std::pow(brightness, k - 1) / k; });
}

double Phase::Advance(double hz) {
  const double now = cycles;
  cycles += hz / kSampleRate;
  cycles -= std::floor(cycles);
  return now;
}

double Adsr::At(double t, double gate) const {
  if (t < 0.0) return 0.0;
  auto held = [this](double s) {
    if (s < attack) return s / attack;
    return sustain + (1.0 - sustain) * std::exp(-(s - attack) / decay);
  };
  if (t < gate) return held(t);
  const double level = held(gate) * std::exp(-(t - gate) / release);
  // The tail of an exponential never reaches zero; end it inside the 8-bit
  // noise floor instead of carrying an endless, inaudible remainder.
  return t - gate > 5.0 * release ? 0.0 : level;
}

double SmoothStep(double start, double end, double t) {
  if (t <= start) return 0.0;
  if (t >= end) return 1.0;
  const double x = (t - start) / (end - start);
  return x * x * (3.0 - 2.0 * x);
}

void OnePoleLowPass::SetCutoff(double hz) { a = 1.0 - std::exp(-2.0 * kPi * hz / kSampleRate); }

double OnePoleLowPass::Process(double x) {
  y += a * (x - y);
  return y;
}

void OnePoleHighPass::SetCutoff(double hz) { a = std::exp(-2.0 * kPi * hz / kSampleRate); }

double OnePoleHighPass::Process(double x) {
  lastOut = a * (lastOut + x - lastIn);
  lastIn = x;
  return lastOut;
}

void Biquad::SetBandPass(double hz, double q) {
  const double w = 2.0 * kPi * std::clamp(hz, 10.0, 5400.0) / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  SetCoefficients(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w), 1.0 - alpha);
}

void Biquad::SetLowPass(double hz, double q) {
  const double w = 2.0 * kPi * std::clamp(hz, 10.0, 5400.0) / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  SetCoefficients((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::SetHighPass(double hz, double q) {
  const double w = 2.0 * kPi * std::clamp(hz, 10.0, 5400.0) / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  SetCoefficients((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::SetCoefficients(double nb0, double nb1, double nb2, double na0, double na1,
                             double na2) {
  b0 = nb0 / na0;
  b1 = nb1 / na0;
  b2 = nb2 / na0;
  a1 = na1 / na0;
  a2 = na2 / na0;
}

double Biquad::Process(double x) {
  const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1;
  x1 = x;
  y2 = y1;
  y1 = y;
  return y;
}

void MixInto(Signal& target, const Signal& source, int offset, double gain) {
  for (std::size_t i = 0; i < source.size(); ++i) {
    const long at = static_cast<long>(offset) + static_cast<long>(i);
    if (at < 0) continue;
    if (at >= static_cast<long>(target.size())) break;
    target[static_cast<std::size_t>(at)] += gain * source[i];
  }
}

void MixIntoLoop(Signal& target, const Signal& source, int offset, double gain) {
  if (target.empty()) return;
  const long size = static_cast<long>(target.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    long at = (static_cast<long>(offset) + static_cast<long>(i)) % size;
    if (at < 0) at += size;
    target[static_cast<std::size_t>(at)] += gain * source[i];
  }
}

}  // namespace soundgen
