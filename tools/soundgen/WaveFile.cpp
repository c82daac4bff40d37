#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <system_error>

#include "Random.h"

namespace soundgen {

namespace {

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  out.insert(out.end(), tag, tag + 4);
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

std::uint8_t Quantise(double x, Prng& dither) {
  // Draw the dither for every sample, used or not, so that one sample's
  // value never shifts the noise of the ones after it.
  const double noise = dither.Uniform() - dither.Uniform();
  if (x == 0.0 || std::isnan(x)) return 128;
  const double level = 128.0 + 127.0 * std::clamp(x, -1.0, 1.0) + noise;
  return static_cast<std::uint8_t>(std::clamp(std::floor(level + 0.5), 0.0, 255.0));
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const Signal& samples, std::uint64_t ditherSeed) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size());
  // RIFF chunks end on an even offset. The pad byte is 128 rather than 0, so
  // that a player which counts it as a sample plays silence, not a click.
  const std::uint32_t pad = dataBytes % 2;
  std::vector<std::uint8_t> out;
  out.reserve(kWaveHeaderBytes + dataBytes + pad);
  PutTag(out, "RIFF");
  PutU32(out, 4 + (8 + 16) + (8 + dataBytes + pad));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);            // PCM
  PutU16(out, 1);            // mono
  PutU32(out, kSampleRate);  // samples per second
  PutU32(out, kSampleRate);  // bytes per second
  PutU16(out, 1);            // block alignment
  PutU16(out, 8);            // bits per sample
  PutTag(out, "data");
  PutU32(out, dataBytes);
  Prng dither(ditherSeed);
  for (double x : samples) out.push_back(Quantise(x, dither));
  if (pad) out.push_back(128);
  return out;
}

bool WriteFileReplacing(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                        std::string& error) {
  std::filesystem::path temporary = path;
  temporary += ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) {
      error = "cannot create " + temporary.string();
      return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      error = "cannot write " + temporary.string();
      return false;
    }
  }
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    error = "cannot replace " + path.string() + ": " + renameError.message();
    return false;
  }
  return true;
}

}  // namespace soundgen
