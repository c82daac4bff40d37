#include "Songs.h"

#include <sstream>
#include <string>
#include <vector>

#include "Midi.h"
#include "Random.h"

namespace samplegen {
namespace {

constexpr int kEighth = kTicksPerQuarter / 2;

// General MIDI programs (zero-based) and controllers.
constexpr int kPiano = 0, kCelesta = 8, kAcousticBass = 32, kStrings = 48, kWarmStrings = 49,
              kHarp = 46, kFlute = 73;
constexpr int kVolume = 7, kPan = 10, kReverb = 91;

// "C#5" → 73 (middle C is C4 = 60).
int Key(const std::string& name) {
  static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int key = kSemitone[name[0] - 'A'];
  std::size_t i = 1;
  if (i < name.size() && name[i] == '#') ++key, ++i;
  if (i < name.size() && name[i] == 'b') --key, ++i;
  return key + 12 * (std::stoi(name.substr(i)) + 1);
}

struct Chord {
  int root;  // key of the root in the bass octave
  bool minor;
  int Third() const { return root + (minor ? 3 : 4); }
  int Fifth() const { return root + 7; }
};

Chord ParseChord(const std::string& name) {
  bool minor = name.size() > 1 && name.back() == 'm';
  return {Key(name.substr(0, minor ? name.size() - 1 : name.size()) + "2"), minor};
}

struct Song {
  const char* title;
  int microsecondsPerQuarter;
  int beatsPerBar;
  const char* chords;  // one chord per bar
  const char* melody;  // "E5:2" = E5 for two eighths, "r:2" a rest
  int melodyProgram;
  bool waltz;  // harp waltz figure instead of piano arpeggios
};

// Melody notes lean a little on the first beat of the bar and vary slightly,
// so the line does not sound mechanical.
MidiTrack Melody(const Song& song, Random& random) {
  MidiTrack track;
  track.Name("Melody");
  track.Program(0, song.melodyProgram);
  track.Controller(0, kVolume, 104);
  track.Controller(0, kPan, 70);
  track.Controller(0, kReverb, 60);
  std::istringstream in(song.melody);
  std::string token;
  int tick = 0;
  const int bar = song.beatsPerBar * kTicksPerQuarter;
  while (in >> token) {
    std::size_t colon = token.find(':');
    int length = std::stoi(token.substr(colon + 1)) * kEighth;
    std::string note = token.substr(0, colon);
    if (note != "r") {
      int velocity = (tick % bar == 0 ? 92 : 80) + random.Below(9);
      track.Note(tick, 0, Key(note), velocity, length - 12);
    }
    tick += length;
  }
  return track;
}

MidiTrack Accompaniment(const Song& song, const std::vector<Chord>& chords, Random& random) {
  MidiTrack track;
  track.Name(song.waltz ? "Harp" : "Piano");
  track.Program(1, song.waltz ? kHarp : kPiano);
  track.Controller(1, kVolume, 84);
  track.Controller(1, kPan, 52);
  track.Controller(1, kReverb, 70);
  const int bar = song.beatsPerBar * kTicksPerQuarter;
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    int start = static_cast<int>(i) * bar;
    bool last = i + 1 == chords.size();
    if (last) {
      for (int key : {c.root + 12, c.Fifth() + 12, c.Third() + 24, c.root + 24}) {
        track.Note(start, 1, key, 66, bar);
      }
      continue;
    }
    if (song.waltz) {
      track.Note(start, 1, c.root + 12, 72 + random.Below(6), kTicksPerQuarter * 3 - 20);
      for (int beat = 1; beat < 3; ++beat) {
        for (int key : {c.Third() + 24, c.Fifth() + 24, c.root + 36}) {
          track.Note(start + beat * kTicksPerQuarter, 1, key, 54 + random.Below(6),
                     kTicksPerQuarter - 30);
        }
      }
    } else {
      const int pattern[] = {c.root + 12,    c.Fifth() + 12, c.root + 24, c.Third() + 24,
                             c.Fifth() + 24, c.Third() + 24, c.root + 24, c.Fifth() + 12};
      for (int step = 0; step < 8; ++step) {
        track.Note(start + step * kEighth, 1, pattern[step],
                   (step == 0 ? 70 : 58) + random.Below(7), kEighth * 2);
      }
    }
  }
  return track;
}

MidiTrack Bass(const Song& song, const std::vector<Chord>& chords) {
  MidiTrack track;
  track.Name("Bass");
  track.Program(2, kAcousticBass);
  track.Controller(2, kVolume, 96);
  track.Controller(2, kPan, 64);
  const int bar = song.beatsPerBar * kTicksPerQuarter;
  for (std::size_t i = 0; i < chords.size(); ++i) {
    int start = static_cast<int>(i) * bar;
    const Chord& c = chords[i];
    if (song.waltz || i + 1 == chords.size()) {
      track.Note(start, 2, c.root, 84, bar - 40);
    } else {
      track.Note(start, 2, c.root, 86, bar / 2 - 30);
      track.Note(start + bar / 2, 2, c.Fifth() - 12, 76, bar / 2 - 30);
    }
  }
  return track;
}

MidiTrack Pad(const Song& song, const std::vector<Chord>& chords) {
  MidiTrack track;
  track.Name("Strings");
  track.Program(3, song.waltz ? kWarmStrings : kStrings);
  track.Controller(3, kVolume, 58);
  track.Controller(3, kPan, 80);
  track.Controller(3, kReverb, 90);
  const int bar = song.beatsPerBar * kTicksPerQuarter;
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    int length = i + 1 == chords.size() ? bar * 2 : bar;
    for (int key : {c.root + 24, c.Third() + 24, c.Fifth() + 24}) {
      track.Note(static_cast<int>(i) * bar, 3, key, 50, length - 10);
    }
  }
  return track;
}

Bytes Arrange(const Song& song, std::uint64_t seed) {
  Random random(seed);
  std::vector<Chord> chords;
  std::istringstream in(song.chords);
  std::string name;
  while (in >> name) chords.push_back(ParseChord(name));

  MidiTrack conductor;
  conductor.Name(song.title);
  conductor.TimeSignature(song.beatsPerBar, 4);
  conductor.Tempo(song.microsecondsPerQuarter);
  std::vector<MidiTrack> tracks{conductor, Melody(song, random),
                                Accompaniment(song, chords, random), Bass(song, chords),
                                Pad(song, chords)};
  return RiffMidi(StandardMidiFile(tracks));
}

}  // namespace

Bytes DaybreakSong() {
  static const Song kSong{"Daybreak",
                          625000,
                          4,
                          "C Am F G C Am Dm G F G C C",
                          "E5:2 G5:2 C6:3 B5:1  A5:2 E5:2 C5:4  F5:2 A5:2 C6:2 A5:2  G5:6 r:2 "
                          "E5:2 G5:2 C6:3 D6:1  E6:2 C6:2 A5:4  F5:2 A5:2 D6:2 C6:2  B5:4 G5:4 "
                          "A5:3 G5:1 F5:2 A5:2  G5:3 F5:1 E5:2 D5:2  E5:2 G5:2 C6:2 E6:2  C6:8",
                          kFlute,
                          false};
  return Arrange(kSong, 0xDA7B4EAull);
}

Bytes StarlightSong() {
  static const Song kSong{"Starlight",
                          714286,
                          3,
                          "Am F C G Am Dm E E Am F C G F E Am Am",
                          "E5:2 A5:2 B5:2  C6:3 B5:1 A5:2  G5:4 E5:2  D5:2 G5:2 B5:2 "
                          "C6:2 B5:2 A5:2  F5:4 A5:2  B5:2 G#5:2 E5:2  E5:6 "
                          "A5:2 C6:2 E6:2  D6:3 C6:1 A5:2  G5:2 C6:2 E6:2  D6:4 B5:2 "
                          "C6:2 A5:2 F5:2  B5:3 A5:1 G#5:2  A5:6  r:6",
                          kCelesta,
                          true};
  return Arrange(kSong, 0x57A2119ull);
}

}  // namespace samplegen
