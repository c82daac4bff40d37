#include <algorithm>
#include <array>
#include <cmath>

#include "Effects.h"
#include "Random.h"
#include "Voices.h"

namespace soundgen {

namespace {

// Exponentially decaying burst of band-passed noise, mixed in at start.
void AddNoiseBurst(Signal& out, Prng& random, double start, double hz, double q, double decay,
                   double gain) {
  Biquad band;
  band.SetBandPass(hz, q);
  const int from = SamplesOf(start);
  const int length = SamplesOf(decay * 7.0);
  for (int i = 0; i < length && from + i < static_cast<int>(out.size()); ++i) {
    const double t = SecondsOf(i);
    const double level = SmoothStep(0.0, 0.0015, t) * std::exp(-t / decay);
    out[static_cast<std::size_t>(from + i)] += gain * level * band.Process(random.Bipolar());
  }
}

// A decaying sine whose pitch glides from one frequency to another.
void AddGlideTone(Signal& out, double start, double fromHz, double toHz, double glide, double decay,
                  double gain) {
  Phase phase;
  const int from = SamplesOf(start);
  const int length = SamplesOf(decay * 7.0);
  for (int i = 0; i < length && from + i < static_cast<int>(out.size()); ++i) {
    const double t = SecondsOf(i);
    const double hz = toHz + (fromHz - toHz) * std::exp(-t / glide);
    const double level = SmoothStep(0.0, 0.002, t) * std::exp(-t / decay);
    out[static_cast<std::size_t>(from + i)] += gain * level * Sine(phase.Advance(hz));
  }
}

}  // namespace

Signal PlantFright(int n) {
  // A yelp falling away, with the rush of the plant dropping out of sight.
  const double length = SecondsOf(n);
  Signal out(static_cast<std::size_t>(n), 0.0);
  Phase phase;
  Biquad mouth;
  mouth.SetBandPass(1100.0, 1.8);
  Biquad rush;
  Prng random(0xF217);
  for (int i = 0; i < n; ++i) {
    const double t = SecondsOf(i);
    const double x = t / length;
    const double hz = 1150.0 * std::pow(380.0 / 1150.0, x);
    const double level = SmoothStep(0.0, 0.008, t) * (1.0 - SmoothStep(0.55 * length, length, t));
    const double voice = Reed(phase.Advance(hz), hz, 0.55);
    rush.SetBandPass(3000.0 * std::pow(0.2, x), 1.4);
    out[static_cast<std::size_t>(i)] =
        level * (0.6 * voice + 1.2 * mouth.Process(voice) + 0.35 * rush.Process(random.Bipolar()));
  }
  return out;
}

Signal PlantCall(int n) {
  // "Yoo-hoo": a whistle sliding up, then a lower, wavering second note.
  struct Slide {
    double start, length, fromHz, toHz;
  };
  constexpr std::array<Slide, 2> kSlides{
      {{0.03, 0.42, 930.0, 1250.0}, {0.55, 0.55, 1090.0, 990.0}}};
  Signal out(static_cast<std::size_t>(n), 0.0);
  Prng random(0xCA11);
  for (const Slide& slide : kSlides) {
    Phase phase;
    Biquad breath;
    const int from = SamplesOf(slide.start);
    const int length = SamplesOf(slide.length);
    for (int i = 0; i < length && from + i < n; ++i) {
      const double t = SecondsOf(i);
      const double x = t / slide.length;
      const double glide = slide.fromHz + (slide.toHz - slide.fromHz) * SmoothStep(0.0, 0.6, x);
      const double hz =
          glide * (1.0 + 0.012 * SmoothStep(0.1, 0.3, t) * std::sin(2.0 * kPi * 6.0 * t));
      const double level =
          SmoothStep(0.0, 0.035, t) * (1.0 - SmoothStep(slide.length - 0.09, slide.length, t));
      const double p = phase.Advance(hz);
      breath.SetBandPass(hz, 10.0);
      const double tone = Sine(p) + 0.12 * Sine(2.0 * p);
      out[static_cast<std::size_t>(from + i)] +=
          level * (tone + 0.9 * breath.Process(random.Bipolar()));
    }
  }
  return out;
}

Signal PlantEyeTurn(int n) {
  // A rubbery squeak as the eyes swivel, then a springy boing.
  Signal out(static_cast<std::size_t>(n), 0.0);
  Phase squeak;
  Phase spring;
  OnePoleLowPass soften;
  soften.SetCutoff(2200.0);
  constexpr double kSqueakLength = 0.13;
  constexpr double kBoingStart = 0.1;
  for (int i = 0; i < n; ++i) {
    const double t = SecondsOf(i);
    double sample = 0.0;
    if (t < kSqueakLength) {
      const double x = t / kSqueakLength;
      const double hz = 1400.0 * std::pow(2600.0 / 1400.0, x);
      const double rub = 0.6 + 0.4 * std::sin(2.0 * kPi * 45.0 * t);
      sample += 0.45 * rub * std::sin(kPi * x) * Sine(squeak.Advance(hz));
    }
    if (t >= kBoingStart) {
      const double b = t - kBoingStart;
      const double sway = std::exp(-b / 0.4);
      const double hz = 190.0 * (1.0 + 0.22 * sway * std::sin(2.0 * kPi * 11.0 * b));
      const double level = SmoothStep(0.0, 0.006, b) * std::exp(-b / 0.35);
      sample += level * soften.Process(Reed(spring.Advance(hz), hz, 0.45));
    }
    out[static_cast<std::size_t>(i)] = sample;
  }
  return out;
}

Signal PlantBite(int n) {
  // The jaws snap shut, then two crunches as the fly is munched.
  Signal out(static_cast<std::size_t>(n), 0.0);
  Prng random(0xB17E);
  AddNoiseBurst(out, random, 0.005, 2800.0, 0.9, 0.012, 1.0);
  AddGlideTone(out, 0.005, 2500.0, 2300.0, 0.01, 0.008, 0.5);
  AddGlideTone(out, 0.008, 190.0, 65.0, 0.03, 0.07, 1.0);
  AddNoiseBurst(out, random, 0.012, 420.0, 2.0, 0.05, 0.9);
  constexpr std::array<double, 3> kCrunches{0.26, 0.38, 0.52};
  for (std::size_t c = 0; c < kCrunches.size(); ++c) {
    const double gain = 0.55 - 0.13 * static_cast<double>(c);
    AddNoiseBurst(out, random, kCrunches[c], random.Range(1300.0, 1800.0), 1.1, 0.022, gain);
    AddGlideTone(out, kCrunches[c], 160.0, 90.0, 0.02, 0.03, 0.5 * gain);
  }
  return out;
}

Signal PlantGulp(int n) {
  // "Gul-": a throaty tone whose vowel darkens as it goes down; "-p": the
  // water dropping, a bubble that closes with a rising pitch.
  Signal out(static_cast<std::size_t>(n), 0.0);
  Phase throat;
  Biquad vowel;
  constexpr double kGulLength = 0.26;
  for (int i = 0; i < SamplesOf(kGulLength + 0.05) && i < n; ++i) {
    const double t = SecondsOf(i);
    const double x = std::min(t / kGulLength, 1.0);
    const double hz = 120.0 - 35.0 * x;
    vowel.SetBandPass(720.0 - 440.0 * x, 3.0);
    const double level =
        SmoothStep(0.0, 0.02, t) * (1.0 - SmoothStep(kGulLength - 0.06, kGulLength + 0.05, t));
    const double raw = Saw(throat.Advance(hz), hz);
    out[static_cast<std::size_t>(i)] += level * (0.3 * raw + 2.2 * vowel.Process(raw));
  }
  struct Bubble {
    double start, fromHz, toHz, length, gain;
  };
  constexpr std::array<Bubble, 2> kBubbles{
      {{0.29, 260.0, 820.0, 0.09, 0.9}, {0.45, 340.0, 900.0, 0.06, 0.4}}};
  for (const Bubble& bubble : kBubbles) {
    Phase phase;
    const int from = SamplesOf(bubble.start);
    const int length = SamplesOf(bubble.length);
    for (int i = 0; i < length && from + i < n; ++i) {
      const double t = SecondsOf(i);
      const double x = t / bubble.length;
      const double hz = bubble.fromHz * std::pow(bubble.toHz / bubble.fromHz, x * x);
      const double level = SmoothStep(0.0, 0.006, t) * (1.0 - SmoothStep(0.55, 1.0, x));
      out[static_cast<std::size_t>(from + i)] += bubble.gain * level * Sine(phase.Advance(hz));
    }
  }
  return out;
}

Signal PlantSummons(int n) {
  // A bugle call for the can: up the notes of the chord to a held top note.
  struct Call {
    double start, gate, pitch;
  };
  constexpr std::array<Call, 4> kCalls{
      {{0.02, 0.11, 67}, {0.16, 0.11, 72}, {0.30, 0.11, 76}, {0.45, 0.6, 79}}};
  Signal out(static_cast<std::size_t>(n), 0.0);
  for (const Call& call : kCalls) {
    MixInto(out, BrassNote(NoteHz(call.pitch), call.gate, 0.6), SamplesOf(call.start), 1.0);
  }
  AddRoom(out, 0.35);
  return out;
}

Signal ButtonClick(int n) {
  // A crisp wooden tick with a short body, then quiet.
  Signal out(static_cast<std::size_t>(n), 0.0);
  Prng random(0xC11C);
  AddNoiseBurst(out, random, 0.003, 3200.0, 1.2, 0.0015, 0.8);
  AddGlideTone(out, 0.003, 1900.0, 1850.0, 0.005, 0.012, 0.8);
  AddGlideTone(out, 0.003, 700.0, 620.0, 0.006, 0.03, 0.5);
  return out;
}

}  // namespace soundgen
