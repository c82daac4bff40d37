#include "Catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <system_error>

#include "Effects.h"
#include "WaveFile.h"

namespace soundgen {

namespace {

constexpr std::array<SoundResource, 15> kSounds{{
    {2, 2.3, false, 0.85, FlyTaunt},
    {3, 2.8, true, 0.80, BigFlyDrone},
    {4, 4.3, true, 0.75, CanPour},
    {6, 4.8, false, 0.85, CanArrival},
    {7, 0.5, false, 0.80, FlyBuzz},
    {8, 0.2, false, 0.85, PlantFright},
    {9, 0.5, false, 0.80, FlyZip},
    {10, 1.2, false, 0.80, PlantCall},
    {11, 1.4, false, 0.85, PlantEyeTurn},
    {12, 0.7, false, 0.85, PlantBite},
    {13, 0.7, false, 0.85, PlantGulp},
    {14, 21.0, false, 0.85, StartTune},
    {15, 1.0, false, 0.70, ButtonClick},
    {16, 1.3, false, 0.85, PlantSummons},
    {17, 1.5, false, 0.85, CanFanfare},
}};

constexpr double kFadeInSeconds = 0.003;
constexpr double kFadeOutSeconds = 0.015;
// A quarter of an 8-bit step: below this a lead-in or tail is inaudible, and
// leaving it exactly silent keeps the dither from hissing there.
constexpr double kInaudible = 0.25 / 127.0;

void Normalise(Signal& signal, double peak) {
  double loudest = 0.0;
  for (double x : signal) loudest = std::max(loudest, std::abs(x));
  if (loudest <= 0.0) return;
  for (double& x : signal) x *= peak / loudest;
}

void FinishOneShot(Signal& signal, double peak) {
  OnePoleHighPass dcBlock;
  dcBlock.SetCutoff(18.0);
  for (double& x : signal) x = dcBlock.Process(x);

  const auto fadeIn = static_cast<std::size_t>(SamplesOf(kFadeInSeconds));
  const auto fadeOut = static_cast<std::size_t>(SamplesOf(kFadeOutSeconds));
  const std::size_t n = signal.size();
  for (std::size_t i = 0; i < std::min(fadeIn, n); ++i) {
    signal[i] *= static_cast<double>(i) / static_cast<double>(fadeIn);
  }
  for (std::size_t i = 0; i < std::min(fadeOut, n); ++i) {
    signal[n - 1 - i] *= static_cast<double>(i) / static_cast<double>(fadeOut);
  }
  Normalise(signal, peak);

  auto audible = [](double x) { return std::abs(x) > kInaudible; };
  const auto first = std::find_if(signal.begin(), signal.end(), audible);
  std::fill(signal.begin(), first, 0.0);
  const auto last = std::find_if(signal.rbegin(), signal.rend(), audible);
  std::fill(signal.rbegin(), last, 0.0);
}

void FinishLoop(Signal& signal, double peak) {
  // A constant offset keeps the loop periodic, so the mean can simply go;
  // a filter here would disturb the seam.
  if (signal.empty()) return;
  const double mean = std::accumulate(signal.begin(), signal.end(), 0.0) / signal.size();
  for (double& x : signal) x -= mean;
  Normalise(signal, peak);
}

}  // namespace

std::span<const SoundResource> SoundResources() { return kSounds; }

const SoundResource* FindSound(int id) {
  for (const SoundResource& sound : kSounds) {
    if (sound.id == id) return &sound;
  }
  return nullptr;
}

int SampleCount(const SoundResource& sound) { return SamplesOf(sound.seconds); }

Signal RenderSound(const SoundResource& sound) {
  const int n = SampleCount(sound);
  Signal signal = sound.synthesise(n);
  signal.resize(static_cast<std::size_t>(n), 0.0);
  if (sound.looped) {
    FinishLoop(signal, sound.peak);
  } else {
    FinishOneShot(signal, sound.peak);
  }
  return signal;
}

std::vector<std::uint8_t> WaveFileOf(const SoundResource& sound) {
  return EncodeWave(RenderSound(sound), 0x5EED000000ull + static_cast<std::uint64_t>(sound.id));
}

std::string WaveFileName(int id) {
  char name[32];
  std::snprintf(name, sizeof name, "wave%02d.wav", id);
  return name;
}

bool WriteAllSounds(const std::filesystem::path& folder, std::string& error) {
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made || !std::filesystem::is_directory(folder)) {
    error = "cannot use folder " + folder.string() + (made ? ": " + made.message() : "");
    return false;
  }
  for (const SoundResource& sound : kSounds) {
    if (!WriteFileReplacing(folder / WaveFileName(sound.id), WaveFileOf(sound), error)) {
      return false;
    }
  }
  return true;
}

}  // namespace soundgen
