#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Encoders.h"

namespace samplegen {

constexpr int kTicksPerQuarter = 480;

// One track of a standard MIDI file, built from events at absolute ticks.
class MidiTrack {
 public:
  void Name(const std::string& name);
  void Tempo(int microsecondsPerQuarter);
  void TimeSignature(int beatsPerBar, int beatUnit);
  void Program(int channel, int program);
  void Controller(int channel, int controller, int value);
  void Note(int tick, int channel, int key, int velocity, int duration);

  // Events in time order (note releases before new notes on the same tick, so
  // a repeated key is not cut short), closed by the end-of-track event.
  Bytes Serialize() const;

 private:
  struct Event {
    int tick;
    int order;  // 0 meta and set-up, 1 note off, 2 note on
    int sequence;
    Bytes data;
  };
  void Add(int tick, int order, Bytes data);
  std::vector<Event> events_;
  int lastTick_ = 0;
};

// A format 1 file: "MThd" then one "MTrk" chunk per track.
Bytes StandardMidiFile(const std::vector<MidiTrack>& tracks);

// The RIFF "RMID" wrapper the platform's MIDI sequencer opens as .rmi.
Bytes RiffMidi(const Bytes& standardMidiFile);

}  // namespace samplegen
