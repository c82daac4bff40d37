#include <algorithm>
#include <array>
#include <cmath>

#include "Effects.h"
#include "Random.h"
#include "Voices.h"

namespace soundgen {

namespace {

// A single bubble in the poured water: its ring rises in pitch as it
// shrinks and fades within a few hundredths of a second.
Signal Bubble(double hz, double decay) {
  Signal out(static_cast<std::size_t>(SamplesOf(decay * 6.0)), 0.0);
  Phase phase;
  const double life = decay * 6.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double rising = hz * (1.0 + 0.9 * t / life);
    const double release = 1.0 - SmoothStep(life * 0.7, life, t);
    out[i] =
        SmoothStep(0.0, 0.0015, t) * release * std::exp(-t / decay) * Sine(phase.Advance(rising));
  }
  return out;
}

// Noise repeating every n samples: filtered inside RenderLoop it gives a
// texture that continues across the loop's seam.
Signal LoopNoise(Prng& random, int n) {
  Signal noise(static_cast<std::size_t>(n));
  for (double& x : noise) x = random.Bipolar();
  return noise;
}

// A slow, smooth, random-looking sway that repeats every n samples,
// between 0 and 1.
Signal LoopSway(Prng& random, int n, double hz) {
  const Signal noise = LoopNoise(random, n);
  OnePoleLowPass first;
  OnePoleLowPass second;
  first.SetCutoff(hz);
  second.SetCutoff(hz);
  Signal sway = RenderLoop(
      n, [&](int i) { return second.Process(first.Process(noise[static_cast<std::size_t>(i)])); });
  double low = sway[0];
  double high = sway[0];
  for (double x : sway) {
    low = std::min(low, x);
    high = std::max(high, x);
  }
  for (double& x : sway) x = high > low ? (x - low) / (high - low) : 0.5;
  return sway;
}

struct Hit {
  double start;
  double pitch;
};

}  // namespace

Signal CanPour(int n) {
  // A steady stream into the plant's pot: a broad rush, a brighter splash
  // that flutters, a low rumble, and bubbles placed round the loop so that
  // some ring across the seam.
  const double loop = SecondsOf(n);
  Prng random(0xA7E2);
  const Signal streamNoise = LoopNoise(random, n);
  const Signal splashNoise = LoopNoise(random, n);
  const Signal rumbleNoise = LoopNoise(random, n);
  const Signal flutter = LoopSway(random, n, 9.0);
  const Signal gurgle = LoopSway(random, n, 1.5);

  Signal bubbles(static_cast<std::size_t>(n), 0.0);
  const int count = static_cast<int>(loop * 40.0);
  for (int b = 0; b < count; ++b) {
    const int at = static_cast<int>(random.Uniform() * n);
    // Big bubbles ring low, long and loud; small ones high, short and soft.
    const double size = random.Uniform();
    const double hz = 1900.0 * std::pow(2.0, -2.4 * size);
    const double decay = 0.006 + 0.022 * size;
    MixIntoLoop(bubbles, Bubble(hz, decay), at, (0.25 + 0.5 * size) * random.Range(0.6, 1.0));
  }

  Biquad stream;
  stream.SetBandPass(750.0, 0.8);
  Biquad splash;
  splash.SetBandPass(2200.0, 1.2);
  Biquad rumble;
  rumble.SetLowPass(260.0, 0.8);
  OnePoleLowPass soften;
  soften.SetCutoff(3000.0);
  return RenderLoop(n, [&](int i) {
    const auto k = static_cast<std::size_t>(i);
    const double body = 0.7 + 0.3 * gurgle[k];
    const double rush = 0.6 * stream.Process(streamNoise[k]);
    const double spray = 0.35 * (0.3 + 0.7 * flutter[k]) * splash.Process(splashNoise[k]);
    const double low = 1.1 * rumble.Process(rumbleNoise[k]);
    return soften.Process(body * (rush + spray + low) + bubbles[k]);
  });
}

Signal CanArrival(int n) {
  // The can strolls in on a bouncy marimba tune, plants its feet with a
  // double tap and finishes on a ringing major chord.
  constexpr double kEighth = 0.25;
  constexpr std::array<double, 12> kTune{72, 76, 79, 76, 77, 81, 79, 76, 74, 77, 76, 74};
  constexpr std::array<Hit, 6> kBass{
      {{0.0, 48}, {0.5, 43}, {1.0, 41}, {1.5, 48}, {2.0, 43}, {2.5, 43}}};
  constexpr std::array<double, 4> kChord{72, 76, 79, 84};
  constexpr double kArrival = 3.25;
  Signal out(static_cast<std::size_t>(n), 0.0);
  Prng random(0xCA4);

  for (std::size_t e = 0; e < kTune.size(); ++e) {
    const double gain = e % 2 == 0 ? 0.55 : 0.45;
    MixInto(out, MarimbaNote(NoteHz(kTune[e]), 0.6), SamplesOf(0.02 + e * kEighth), gain);
  }
  for (const Hit& bass : kBass) {
    MixInto(out, PluckNote(NoteHz(bass.pitch), 0.45), SamplesOf(0.02 + bass.start), 0.6);
  }
  for (int step = 0; step < 6; ++step) {
    MixInto(out, Tap(random, step % 2 == 0 ? 620.0 : 500.0), SamplesOf(0.02 + 0.5 * step), 0.5);
  }
  MixInto(out, Tap(random, 560.0), SamplesOf(3.0), 0.55);
  MixInto(out, Tap(random, 560.0), SamplesOf(3.12), 0.55);

  MixInto(out, MarimbaNote(NoteHz(79), 0.3), SamplesOf(3.02), 0.5);
  for (double pitch : kChord) {
    MixInto(out, MarimbaNote(NoteHz(pitch), 1.5), SamplesOf(kArrival), 0.4);
  }
  MixInto(out, PluckNote(NoteHz(48), 1.4), SamplesOf(kArrival), 0.7);
  MixInto(out, BrassNote(NoteHz(72), 0.6, 0.45), SamplesOf(kArrival), 0.3);
  AddRoom(out, 0.25);
  return out;
}

Signal CanFanfare(int n) {
  // The can's trumpet: a triplet pickup, then up the chord of F to a held
  // top C, in thirds.
  struct Toot {
    double start, gate, top, lower;
  };
  constexpr std::array<Toot, 6> kToots{{{0.02, 0.075, 72, 69},
                                        {0.13, 0.075, 72, 69},
                                        {0.24, 0.075, 72, 69},
                                        {0.36, 0.22, 77, 72},
                                        {0.62, 0.12, 81, 77},
                                        {0.78, 0.48, 84, 81}}};
  Signal out(static_cast<std::size_t>(n), 0.0);
  for (const Toot& toot : kToots) {
    const int at = SamplesOf(toot.start);
    MixInto(out, BrassNote(NoteHz(toot.top), toot.gate, 0.65), at, 1.0);
    MixInto(out, BrassNote(NoteHz(toot.lower), toot.gate, 0.55), at, 0.55);
  }
  MixInto(out, BrassNote(NoteHz(53), 0.48, 0.5), SamplesOf(0.78), 0.45);
  AddRoom(out, 0.3);
  return out;
}

}  // namespace soundgen
