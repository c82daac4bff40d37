#include "Voices.h"

#include <array>
#include <cmath>

namespace soundgen {

namespace {

Signal Silence(double seconds) { return Signal(static_cast<std::size_t>(SamplesOf(seconds)), 0.0); }

}  // namespace

Signal ReedNote(double hz, double gate, const Adsr& envelope, double brightness) {
  Signal out = Silence(envelope.Length(gate));
  Phase phase;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double vibrato = 1.0 + 0.004 * SmoothStep(0.15, 0.4, t) * std::sin(2.0 * kPi * 5.2 * t);
    const double f = hz * vibrato;
    out[i] = envelope.At(t, gate) * Reed(phase.Advance(f), f, brightness);
  }
  return out;
}

Signal BrassNote(double hz, double gate, double brightness) {
  const Adsr envelope{0.025, 0.12, 0.75, 0.06};
  Signal out = Silence(envelope.Length(gate));
  Phase phase;
  OnePoleLowPass body;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double scoop = 1.0 - 0.03 * std::exp(-t / 0.02);
    const double vibrato = 1.0 + 0.005 * SmoothStep(0.18, 0.35, t) * std::sin(2.0 * kPi * 5.5 * t);
    const double f = hz * scoop * vibrato;
    const double level = envelope.At(t, gate);
    // Brass brightens as it gets louder.
    const double shine = brightness * (0.55 + 0.45 * level);
    body.SetCutoff(1200.0 + 2600.0 * level);
    out[i] = level * body.Process(Reed(phase.Advance(f), f, shine));
  }
  return out;
}

Signal PluckNote(double hz, double length) {
  Signal out = Silence(length);
  const int harmonics = 6;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double attack = SmoothStep(0.0, 0.006, t);
    const double release = 1.0 - SmoothStep(length - 0.05, length, t);
    double sum = 0.0;
    for (int k = 1; k <= harmonics; ++k) {
      sum += PartialGain(hz * k) * std::exp(-t * (2.5 + 3.0 * k)) / k *
             std::sin(2.0 * kPi * hz * k * t);
    }
    out[i] = attack * release * sum;
  }
  return out;
}

Signal MarimbaNote(double hz, double length) {
  Signal out = Silence(length);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double attack = SmoothStep(0.0, 0.003, t);
    const double release = 1.0 - SmoothStep(length - 0.04, length, t);
    const double fundamental = std::exp(-t / 0.35) * std::sin(2.0 * kPi * hz * t);
    const double overtone =
        PartialGain(hz * 3.93) * 0.35 * std::exp(-t / 0.05) * std::sin(2.0 * kPi * hz * 3.93 * t);
    out[i] = attack * release * (fundamental + overtone);
  }
  return out;
}

Signal Kick() {
  Signal out = Silence(0.25);
  Phase phase;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double f = 55.0 + 95.0 * std::exp(-t / 0.03);
    out[i] = SmoothStep(0.0, 0.002, t) * std::exp(-t / 0.09) * Sine(phase.Advance(f));
  }
  return out;
}

Signal Snare(Prng& random) {
  Signal out = Silence(0.22);
  Biquad band;
  band.SetBandPass(1900.0, 0.8);
  Phase phase;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double attack = SmoothStep(0.0, 0.002, t);
    const double noise = band.Process(random.Bipolar()) * std::exp(-t / 0.06);
    const double tone = 0.5 * std::exp(-t / 0.03) * Sine(phase.Advance(190.0));
    out[i] = attack * (noise + tone);
  }
  return out;
}

Signal HiHat(Prng& random, double decay) {
  Signal out = Silence(decay * 6.0);
  Biquad high;
  high.SetHighPass(3200.0, 0.7);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    out[i] = SmoothStep(0.0, 0.001, t) * std::exp(-t / decay) * high.Process(random.Bipolar());
  }
  return out;
}

Signal Crash(Prng& random, double length) {
  Signal out = Silence(length);
  Biquad high;
  high.SetHighPass(2500.0, 0.6);
  OnePoleLowPass soft;
  soft.SetCutoff(4500.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double release = 1.0 - SmoothStep(length * 0.6, length, t);
    out[i] = SmoothStep(0.0, 0.004, t) * release * std::exp(-t / (length * 0.3)) *
             soft.Process(high.Process(random.Bipolar()));
  }
  return out;
}

Signal Tap(Prng& random, double hz) {
  Signal out = Silence(0.09);
  Biquad band;
  band.SetBandPass(hz * 2.5, 1.2);
  Phase phase;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = SecondsOf(static_cast<int>(i));
    const double attack = SmoothStep(0.0, 0.0015, t);
    const double knock =
        std::exp(-t / 0.012) * Sine(phase.Advance(hz * (1.0 + 0.4 * std::exp(-t / 0.01))));
    const double scuff = 0.5 * std::exp(-t / 0.006) * band.Process(random.Bipolar());
    out[i] = attack * (knock + scuff);
  }
  return out;
}

void AddRoom(Signal& signal, double wet) {
  // Parallel damped combs at mutually prime delays, then one all-pass to
  // smear the echoes into a tail.
  constexpr std::array<double, 4> kCombSeconds{0.0297, 0.0371, 0.0411, 0.0437};
  constexpr double kFeedback = 0.62;
  Signal room(signal.size(), 0.0);
  for (double seconds : kCombSeconds) {
    const auto delay = static_cast<std::size_t>(SamplesOf(seconds));
    OnePoleLowPass damping;
    damping.SetCutoff(2500.0);
    Signal line(signal.size(), 0.0);
    for (std::size_t i = 0; i < signal.size(); ++i) {
      const double echoed = i >= delay ? damping.Process(line[i - delay]) : 0.0;
      line[i] = signal[i] + kFeedback * echoed;
      room[i] += echoed / kCombSeconds.size();
    }
  }
  const auto allPassDelay = static_cast<std::size_t>(SamplesOf(0.005));
  constexpr double kAllPass = 0.5;
  Signal smeared(signal.size(), 0.0);
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double delayedIn = i >= allPassDelay ? room[i - allPassDelay] : 0.0;
    const double delayedOut = i >= allPassDelay ? smeared[i - allPassDelay] : 0.0;
    smeared[i] = -kAllPass * room[i] + delayedIn + kAllPass * delayedOut;
  }
  for (std::size_t i = 0; i < signal.size(); ++i) signal[i] += wet * smeared[i];
}

}  // namespace soundgen
