#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Dsp.h"

namespace soundgen {

constexpr std::size_t kWaveHeaderBytes = 44;

// A complete RIFF WAVE file: PCM, mono, 8 bits unsigned, kSampleRate samples
// per second. Samples run from -1 to +1 (values beyond are clipped, NaN counts
// as silence) and are rounded to 8 bits with triangular dither drawn from
// ditherSeed. Exact zeros stay exactly 128, so silent lead-ins and tails carry
// no dither hiss.
std::vector<std::uint8_t> EncodeWave(const Signal& samples, std::uint64_t ditherSeed);

// Writes bytes to path through a temporary file in the same folder that is
// renamed into place, so a failed write never leaves a truncated wave behind
// for the resource compiler to pick up. On failure returns false and says why.
bool WriteFileReplacing(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                        std::string& error);

}  // namespace soundgen
