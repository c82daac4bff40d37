#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "Dsp.h"

namespace soundgen {

// One wave resource of the plant saver, by its resource number.
struct SoundResource {
  int id;
  double seconds;
  // Played with SND_LOOP: the last sample must lead into the first.
  bool looped;
  // Peak level as a fraction of full scale; below 1 to leave headroom for
  // the dither and for the sound card's own filters.
  double peak;
  Signal (*synthesise)(int samples);
};

// Every wave resource the saver plays, in resource order.
std::span<const SoundResource> SoundResources();

// Null if the saver has no wave resource with this number.
const SoundResource* FindSound(int id);

int SampleCount(const SoundResource& sound);

// The finished sound at full precision: levelled, without offset, faded in
// and out unless looped.
Signal RenderSound(const SoundResource& sound);

// The sound as the bytes of its wave file.
std::vector<std::uint8_t> WaveFileOf(const SoundResource& sound);

// "wave02.wav" for resource 2: the name the resource script expects.
std::string WaveFileName(int id);

// Writes every wave file into folder, creating it if needed. On failure
// returns false and says which file and why.
bool WriteAllSounds(const std::filesystem::path& folder, std::string& error);

}  // namespace soundgen
