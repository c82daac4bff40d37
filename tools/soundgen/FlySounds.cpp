#include <algorithm>
#include <array>
#include <cmath>

#include "Effects.h"
#include "Random.h"

namespace soundgen {

namespace {

// A buzzing, nasal voice: a saw through two vowel-like resonances.
class NasalVoice {
 public:
  NasalVoice(double low, double high) {
    first.SetBandPass(low, 2.5);
    second.SetBandPass(high, 3.5);
  }
  double Next(double hz) {
    const double raw = Saw(phase.Advance(hz), hz);
    return 0.35 * raw + 1.3 * first.Process(raw) + 1.0 * second.Process(raw);
  }

 private:
  Phase phase;
  Biquad first;
  Biquad second;
};

struct TauntNote {
  double start;
  double length;
  double pitch;
};

}  // namespace

Signal FlyTaunt(int n) {
  // "Nyah-nyah nyah-nyah nyah", then a raspberry as the fly makes off.
  constexpr std::array<TauntNote, 5> kNotes{
      {{0.02, 0.21, 79}, {0.25, 0.21, 76}, {0.48, 0.17, 81}, {0.67, 0.21, 79}, {0.90, 0.36, 76}}};
  constexpr double kRaspberryStart = 1.38;
  constexpr double kRaspberryEnd = 2.22;
  const Adsr envelope{0.015, 0.06, 0.8, 0.035};
  Signal out(static_cast<std::size_t>(n), 0.0);
  NasalVoice voice(750.0, 1700.0);
  Prng random(0xF1A7);
  Phase raspberry;
  Biquad lips;
  lips.SetLowPass(1400.0, 0.9);
  Biquad spit;
  spit.SetBandPass(1100.0, 1.0);
  std::size_t current = 0;
  for (int i = 0; i < n; ++i) {
    const double t = SecondsOf(i);
    while (current + 1 < kNotes.size() && t >= kNotes[current + 1].start) ++current;
    const TauntNote& note = kNotes[current];
    const double since = t - note.start;
    const double scoop = 1.0 - 0.05 * std::exp(-std::max(since, 0.0) / 0.025);
    const double wobble = 1.0 + 0.012 * std::sin(2.0 * kPi * 7.0 * t);
    const double hz = NoteHz(note.pitch) * scoop * wobble;
    double sample = envelope.At(since, note.length * 0.85) * voice.Next(hz);

    // The raspberry: a low buzz whose lips flap at about 30 Hz, with spit.
    if (t >= kRaspberryStart && t < kRaspberryEnd) {
      const double r = t - kRaspberryStart;
      const double level = SmoothStep(0.0, 0.04, r) * (1.0 - SmoothStep(0.55, 0.84, r));
      const double flap = 0.5 + 0.5 * std::sin(2.0 * kPi * (29.0 + 6.0 * r) * r);
      const double hzLow = 105.0 - 18.0 * r;
      const double buzz = lips.Process(Saw(raspberry.Advance(hzLow), hzLow));
      const double wet = spit.Process(random.Bipolar());
      sample += level * flap * flap * (1.4 * buzz + 0.5 * wet);
    }
    out[static_cast<std::size_t>(i)] = sample;
  }
  return out;
}

Signal FlyBuzz(int n) {
  // A fly passing close by: the wing tone rises as it comes and falls as it
  // goes, its wing beat wavering.
  const double length = SecondsOf(n);
  Signal out(static_cast<std::size_t>(n), 0.0);
  NasalVoice wings(900.0, 2100.0);
  Prng random(0xB077);
  Biquad hiss;
  hiss.SetBandPass(2600.0, 1.5);
  for (int i = 0; i < n; ++i) {
    const double t = SecondsOf(i);
    const double pass = t / length;
    const double doppler = 1.05 - 0.1 * pass;
    const double waver =
        1.0 + 0.025 * std::sin(2.0 * kPi * 9.0 * t) + 0.01 * std::sin(2.0 * kPi * 23.0 * t);
    const double hz = 205.0 * doppler * waver;
    const double level = SmoothStep(0.0, 0.08, t) *
                         (1.0 - SmoothStep(length - 0.16, length - 0.01, t)) *
                         (0.75 + 0.25 * std::sin(kPi * pass));
    out[static_cast<std::size_t>(i)] =
        level * (wings.Next(hz) + 0.15 * hiss.Process(random.Bipolar()));
  }
  return out;
}

Signal FlyZip(int n) {
  // The fly shoots off: a fast upward sweep that thins out with distance.
  const double length = SecondsOf(n);
  Signal out(static_cast<std::size_t>(n), 0.0);
  Phase phase;
  Prng random(0x21B);
  Biquad air;
  OnePoleLowPass soften;
  soften.SetCutoff(3000.0);
  for (int i = 0; i < n; ++i) {
    const double t = SecondsOf(i);
    const double x = t / length;
    const double hz = 260.0 * std::pow(2.0, 3.0 * x);
    const double flutter = 0.75 + 0.25 * std::sin(2.0 * kPi * 55.0 * t);
    const double level = SmoothStep(0.0, 0.025, t) * std::pow(1.0 - x, 1.6);
    air.SetBandPass(hz * 2.0, 2.0);
    const double tone = soften.Process(Square(phase.Advance(hz), hz));
    out[static_cast<std::size_t>(i)] =
        level * (flutter * tone + 0.5 * air.Process(random.Bipolar()));
  }
  return out;
}

Signal BigFlyDrone(int n) {
  // Everything here repeats a whole number of times per loop, so the loop
  // has no seam: the wing tone makes 238 cycles, a second, slower wing 239
  // (one slow beat between them per loop), and every wobble whole periods.
  const double loop = SecondsOf(n);
  const double base = 238.0 / loop;
  const double partner = 239.0 / loop;
  auto wobblePhase = [loop](double hz, double t) {
    // Phase (in cycles) of a tone of average frequency hz whose pitch sways
    // by 1.5 % twice and 0.8 % seven times per loop.
    const double sway2 = 0.015 * loop / (2.0 * kPi * 2.0);
    const double sway7 = 0.008 * loop / (2.0 * kPi * 7.0);
    return hz * (t - sway2 * std::cos(2.0 * kPi * 2.0 * t / loop) -
                 sway7 * std::cos(2.0 * kPi * 7.0 * t / loop));
  };
  Prng random(0xB16F);
  Signal noise(static_cast<std::size_t>(n));
  for (double& x : noise) x = random.Bipolar();

  Biquad chest;
  chest.SetBandPass(340.0, 2.0);
  Biquad nasal;
  nasal.SetBandPass(880.0, 3.0);
  Biquad rasp;
  rasp.SetBandPass(1700.0, 1.2);
  Biquad top;
  top.SetLowPass(2400.0, 0.7);
  return RenderLoop(n, [&](int i) {
    const double t = SecondsOf(i);
    const double f1 = base * (1.0 + 0.015 * std::sin(2.0 * kPi * 2.0 * t / loop));
    const double f2 = partner * (1.0 + 0.015 * std::sin(2.0 * kPi * 2.0 * t / loop));
    const double wings = Saw(wobblePhase(base, t), f1) + 0.8 * Saw(wobblePhase(partner, t), f2);
    // A growl: the loudness throbs 60 times per loop, about 21 Hz.
    const double growl = 0.8 + 0.2 * std::sin(2.0 * kPi * 60.0 * t / loop);
    const double swell = 0.9 + 0.1 * std::sin(2.0 * kPi * t / loop);
    const double voiced = 0.3 * wings + 1.2 * chest.Process(wings) + 0.7 * nasal.Process(wings);
    const double breath = 0.25 * rasp.Process(noise[static_cast<std::size_t>(i)]);
    return swell * growl * top.Process(voiced + breath * (0.6 + 0.4 * Sine(wobblePhase(base, t))));
  });
}

}  // namespace soundgen
