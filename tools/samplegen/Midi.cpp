#include "Midi.h"

#include <algorithm>

namespace samplegen {
namespace {

void PutVariable(Bytes& out, std::uint32_t v) {
  std::uint8_t buffer[5];
  int n = 0;
  buffer[n++] = static_cast<std::uint8_t>(v & 0x7F);
  while ((v >>= 7) != 0) buffer[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
  while (n > 0) out.push_back(buffer[--n]);
}

void PutBig32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutLittle32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::uint8_t Data7(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }
std::uint8_t Status(int kind, int channel) {
  return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

}  // namespace

void MidiTrack::Add(int tick, int order, Bytes data) {
  events_.push_back({tick, order, static_cast<int>(events_.size()), std::move(data)});
  lastTick_ = std::max(lastTick_, tick);
}

void MidiTrack::Name(const std::string& name) {
  Bytes data{0xFF, 0x03};
  PutVariable(data, static_cast<std::uint32_t>(name.size()));
  data.insert(data.end(), name.begin(), name.end());
  Add(0, 0, std::move(data));
}

void MidiTrack::Tempo(int us) {
  Add(0, 0,
      {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16), static_cast<std::uint8_t>(us >> 8),
       static_cast<std::uint8_t>(us)});
}

void MidiTrack::TimeSignature(int beatsPerBar, int beatUnit) {
  std::uint8_t power = 0;
  while ((1 << power) < beatUnit) ++power;
  Add(0, 0, {0xFF, 0x58, 0x04, Data7(beatsPerBar), power, 24, 8});
}

void MidiTrack::Program(int channel, int program) {
  Add(0, 0, {Status(0xC0, channel), Data7(program)});
}

void MidiTrack::Controller(int channel, int controller, int value) {
  Add(0, 0, {Status(0xB0, channel), Data7(controller), Data7(value)});
}

void MidiTrack::Note(int tick, int channel, int key, int velocity, int duration) {
  Add(tick, 2, {Status(0x90, channel), Data7(key), Data7(std::max(1, velocity))});
  Add(tick + duration, 1, {Status(0x80, channel), Data7(key), 64});
}

Bytes MidiTrack::Serialize() const {
  std::vector<const Event*> order;
  for (const Event& e : events_) order.push_back(&e);
  std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->order != b->order) return a->order < b->order;
    return a->sequence < b->sequence;
  });
  Bytes out;
  int now = 0;
  for (const Event* e : order) {
    PutVariable(out, static_cast<std::uint32_t>(e->tick - now));
    now = e->tick;
    out.insert(out.end(), e->data.begin(), e->data.end());
  }
  // A short tail lets the last notes ring out before the sequencer reports the end.
  PutVariable(out, static_cast<std::uint32_t>(lastTick_ - now + kTicksPerQuarter));
  out.insert(out.end(), {0xFF, 0x2F, 0x00});
  return out;
}

Bytes StandardMidiFile(const std::vector<MidiTrack>& tracks) {
  Bytes out;
  PutTag(out, "MThd");
  PutBig32(out, 6);
  out.insert(out.end(), {0, 1, static_cast<std::uint8_t>(tracks.size() >> 8),
                         static_cast<std::uint8_t>(tracks.size()),
                         static_cast<std::uint8_t>(kTicksPerQuarter >> 8),
                         static_cast<std::uint8_t>(kTicksPerQuarter & 0xFF)});
  for (const MidiTrack& track : tracks) {
    Bytes body = track.Serialize();
    PutTag(out, "MTrk");
    PutBig32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

Bytes RiffMidi(const Bytes& smf) {
  const std::uint32_t pad = smf.size() % 2;
  Bytes out;
  PutTag(out, "RIFF");
  PutLittle32(out, static_cast<std::uint32_t>(4 + 8 + smf.size() + pad));
  PutTag(out, "RMID");
  PutTag(out, "data");
  PutLittle32(out, static_cast<std::uint32_t>(smf.size()));
  out.insert(out.end(), smf.begin(), smf.end());
  if (pad) out.push_back(0);
  return out;
}

}  // namespace samplegen
