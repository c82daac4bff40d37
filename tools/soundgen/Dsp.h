#pragma once

#include <cmath>
#include <vector>

namespace soundgen {

constexpr int kSampleRate = 11025;
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<double>;

inline double SecondsOf(int sample) { return static_cast<double>(sample) / kSampleRate; }
int SamplesOf(double seconds);

// Frequency of a note given as a MIDI-style number (69 = A at 440 Hz).
double NoteHz(double note);

// Gain for a partial at the given frequency: full below 4 kHz, fading to
// nothing at 5 kHz. At 11025 samples per second anything above 5.5 kHz folds
// back as a harsh, unrelated tone, so every oscillator keeps its partials here.
double PartialGain(double hz);

// Sum of harmonics 1..n of a wave with fundamental hz at the given phase (in
// cycles), the k-th weighted by amplitude(k) and by PartialGain.
template <typename Amplitude>
double Harmonics(double phase, double hz, int maxHarmonic, Amplitude amplitude);

// Common band-limited shapes, peak near 1.
double Sine(double phase);
double Saw(double phase, double hz);
double Square(double phase, double hz);
// A mellow reed: harmonic k at brightness^(k-1) / k, softer than a saw (which
// is brightness 1) and still audible on small speakers.
double Reed(double phase, double hz, double brightness);

// Phase accumulator in cycles; advancing with a changing frequency gives a
// glide without jumps.
class Phase {
 public:
  double Advance(double hz);

 private:
  double cycles = 0.0;
};

// Note envelope: linear attack, exponential decay towards the sustain level
// while the key is held (gate seconds), then an exponential release.
struct Adsr {
  double attack;
  double decay;
  double sustain;
  double release;
  double At(double t, double gate) const;
  double Length(double gate) const { return gate + 5.0 * release; }
};

// 0 before start, 1 after end, a smooth S-curve between.
double SmoothStep(double start, double end, double t);

class OnePoleLowPass {
 public:
  void SetCutoff(double hz);
  double Process(double x);

 private:
  double a = 1.0;
  double y = 0.0;
};

class OnePoleHighPass {
 public:
  void SetCutoff(double hz);
  double Process(double x);

 private:
  double a = 1.0;
  double lastIn = 0.0;
  double lastOut = 0.0;
};

// Two-pole filter; the Set functions may be called every sample to sweep it.
class Biquad {
 public:
  void SetBandPass(double hz, double q);
  void SetLowPass(double hz, double q);
  void SetHighPass(double hz, double q);
  double Process(double x);

 private:
  void SetCoefficients(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
  double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// Adds source into target starting at sample offset, clipped to target's end.
void MixInto(Signal& target, const Signal& source, int offset, double gain);

// Adds source into target starting at offset, wrapping round the end: a
// looped sound's events may then cross the seam without a break.
void MixIntoLoop(Signal& target, const Signal& source, int offset, double gain);

// One period of a looped sound. step(i) is called for i = 0..n-1 twice over
// and the second pass kept: filters inside step have then settled into the
// loop's own steady state, so the last sample runs on into the first exactly
// as any two neighbours do. step must depend on time only through i.
template <typename Step>
Signal RenderLoop(int n, Step step) {
  Signal out(static_cast<std::size_t>(n));
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < n; ++i) out[static_cast<std::size_t>(i)] = step(i);
  }
  return out;
}

template <typename Amplitude>
double Harmonics(double phase, double hz, int maxHarmonic, Amplitude amplitude) {
  // sin(k x) by the Chebyshev recurrence: one sine and one cosine per sample
  // however many partials there are.
  const double x = 2.0 * kPi * phase;
  const double s1 = std::sin(x);
  const double twoCos = 2.0 * std::cos(x);
  double previous = 0.0;
  double current = s1;
  double sum = 0.0;
  for (int k = 1; k <= maxHarmonic; ++k) {
    const double gain = PartialGain(hz * k);
    if (gain <= 0.0) break;
    sum += amplitude(k) * gain * current;
    const double next = twoCos * current - previous;
    previous = current;
    current = next;
  }
  return sum;
}

}  // namespace soundgen
