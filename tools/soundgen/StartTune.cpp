#include <array>
#include <vector>

#include "Effects.h"
#include "Random.h"
#include "Voices.h"

namespace soundgen {

namespace {

// Eight bars in F major at 100 beats a minute, four beats to the bar:
// F, Dm, Bb, C, F, Dm, Gm-C, F. The last bar holds the tonic and rings out,
// so the track ends in silence and loops back to its quiet start cleanly.
constexpr double kBeat = 0.6;
constexpr double kEighth = kBeat / 2.0;
constexpr double kBar = 4.0 * kBeat;
constexpr double kLeadIn = 0.1;
constexpr int kBars = 8;

struct Note {
  double pitch;
  int eighths;
};

// The tune, bar by bar; each bar adds up to eight eighths.
const std::vector<std::vector<Note>>& Melody() {
  static const std::vector<std::vector<Note>> kMelody{
      {{69, 1}, {72, 1}, {77, 2}, {76, 1}, {77, 1}, {72, 2}},
      {{74, 1}, {77, 1}, {81, 2}, {79, 1}, {77, 1}, {74, 2}},
      {{70, 1}, {74, 1}, {77, 2}, {74, 1}, {72, 1}, {70, 2}},
      {{72, 1}, {76, 1}, {79, 2}, {77, 1}, {76, 1}, {74, 1}, {76, 1}},
      {{69, 1}, {72, 1}, {77, 2}, {76, 1}, {77, 1}, {81, 2}},
      {{81, 1}, {79, 1}, {77, 1}, {76, 1}, {74, 2}, {77, 2}},
      {{79, 1}, {77, 1}, {74, 1}, {70, 1}, {72, 1}, {76, 1}, {79, 1}, {76, 1}},
      {{77, 8}},
  };
  return kMelody;
}

// Bass, one note a beat: root and fifth of each bar's chord.
constexpr std::array<std::array<double, 4>, kBars> kBass{{{53, 48, 53, 48},
                                                          {50, 45, 50, 45},
                                                          {46, 53, 46, 53},
                                                          {48, 55, 48, 55},
                                                          {53, 48, 53, 48},
                                                          {50, 45, 50, 45},
                                                          {43, 50, 48, 55},
                                                          {41, 0, 0, 0}}};

// Off-beat chords on beats two and four, kept below the melody.
constexpr std::array<std::array<std::array<double, 3>, 2>, kBars> kChords{{
    {{{60, 65, 69}, {60, 65, 69}}},
    {{{62, 65, 69}, {62, 65, 69}}},
    {{{62, 65, 70}, {62, 65, 70}}},
    {{{60, 64, 67}, {60, 64, 67}}},
    {{{60, 65, 69}, {60, 65, 69}}},
    {{{62, 65, 69}, {62, 65, 69}}},
    {{{62, 67, 70}, {60, 64, 67}}},
    {{{0, 0, 0}, {0, 0, 0}}},
}};

double BarStart(int bar) { return kLeadIn + bar * kBar; }

void AddMelody(Signal& out) {
  const Adsr lead{0.012, 0.15, 0.7, 0.08};
  const Adsr last{0.012, 0.6, 0.45, 0.3};
  for (int bar = 0; bar < kBars; ++bar) {
    double at = BarStart(bar);
    for (const Note& note : Melody()[static_cast<std::size_t>(bar)]) {
      const double length = note.eighths * kEighth;
      const bool final = bar == kBars - 1;
      const Signal played = final ? ReedNote(NoteHz(note.pitch), 1.9, last, 0.45)
                                  : ReedNote(NoteHz(note.pitch), length - 0.045, lead, 0.45);
      MixInto(out, played, SamplesOf(at), 0.5);
      at += length;
    }
  }
}

void AddBass(Signal& out) {
  for (int bar = 0; bar < kBars; ++bar) {
    for (int beat = 0; beat < 4; ++beat) {
      const double pitch = kBass[static_cast<std::size_t>(bar)][static_cast<std::size_t>(beat)];
      if (pitch == 0) continue;
      const bool final = bar == kBars - 1;
      const double length = final ? 2.6 : kBeat * 0.95;
      const double at = BarStart(bar) + beat * kBeat;
      MixInto(out, PluckNote(NoteHz(pitch), length), SamplesOf(at), 0.55);
      if (final) MixInto(out, PluckNote(NoteHz(pitch + 12), length), SamplesOf(at), 0.3);
    }
  }
}

void AddChords(Signal& out) {
  const Adsr stab{0.006, 0.08, 0.35, 0.08};
  for (int bar = 0; bar < kBars - 1; ++bar) {
    for (int half = 0; half < 2; ++half) {
      const double at = BarStart(bar) + (1 + 2 * half) * kBeat;
      for (double pitch : kChords[static_cast<std::size_t>(bar)][static_cast<std::size_t>(half)]) {
        MixInto(out, ReedNote(NoteHz(pitch), 0.16, stab, 0.3), SamplesOf(at), 0.14);
      }
    }
  }
  // The closing chord under the held tonic.
  const Adsr pad{0.03, 0.8, 0.4, 0.3};
  for (double pitch : {60.0, 65.0, 69.0}) {
    MixInto(out, ReedNote(NoteHz(pitch), 1.8, pad, 0.3), SamplesOf(BarStart(kBars - 1)), 0.14);
  }
}

void AddDrums(Signal& out) {
  Prng random(0xD2D5);
  const Signal kick = Kick();
  for (int bar = 0; bar < kBars - 1; ++bar) {
    const double start = BarStart(bar);
    MixInto(out, kick, SamplesOf(start), 0.5);
    MixInto(out, kick, SamplesOf(start + 2 * kBeat), 0.42);
    MixInto(out, Snare(random), SamplesOf(start + kBeat), 0.2);
    MixInto(out, Snare(random), SamplesOf(start + 3 * kBeat), 0.2);
    for (int eighth = 0; eighth < 8; ++eighth) {
      const double gain = eighth % 2 == 0 ? 0.08 : 0.05;
      MixInto(out, HiHat(random, 0.025), SamplesOf(start + eighth * kEighth), gain);
    }
  }
  // A small fill into the last bar, which lands on a kick and a soft cymbal.
  const double fill = BarStart(kBars - 1) - kEighth;
  MixInto(out, Snare(random), SamplesOf(fill), 0.14);
  MixInto(out, Snare(random), SamplesOf(fill + kEighth / 2.0), 0.18);
  MixInto(out, kick, SamplesOf(BarStart(kBars - 1)), 0.5);
  MixInto(out, Crash(random, 2.2), SamplesOf(BarStart(kBars - 1)), 0.12);
}

}  // namespace

Signal StartTune(int n) {
  Signal out(static_cast<std::size_t>(n), 0.0);
  AddMelody(out);
  AddBass(out);
  AddChords(out);
  AddDrums(out);
  AddRoom(out, 0.2);
  return out;
}

}  // namespace soundgen
