#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "Catalogue.h"
#include "Fourier.h"
#include "WaveFile.h"

namespace soundgen {
namespace {

// The samples of a wave file as signed steps around the 128 midpoint.
std::vector<int> Samples(const std::vector<std::uint8_t>& file) {
  const std::uint32_t count = file[40] | file[41] << 8 | file[42] << 16 | file[43] << 24;
  std::vector<int> out;
  for (std::uint32_t i = 0; i < count; ++i) out.push_back(file[kWaveHeaderBytes + i] - 128);
  return out;
}

// Each sound's file, synthesised once for all the tests that only read it.
const std::vector<std::uint8_t>& FileOf(const SoundResource& sound) {
  static std::map<int, std::vector<std::uint8_t>> files;
  auto [at, added] = files.try_emplace(sound.id);
  if (added) at->second = WaveFileOf(sound);
  return at->second;
}

double MeanAbsStep(const std::vector<int>& s) {
  double sum = 0.0;
  for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
  return sum / static_cast<double>(s.size() - 1);
}

TEST(SoundCatalogue, HoldsExactlyTheSaversWaveResources) {
  std::set<int> ids;
  for (const SoundResource& sound : SoundResources()) ids.insert(sound.id);
  EXPECT_EQ(ids, (std::set<int>{2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
  EXPECT_EQ(FindSound(5), nullptr);
  EXPECT_EQ(FindSound(18), nullptr);
  EXPECT_EQ(WaveFileName(2), "wave02.wav");
  EXPECT_EQ(WaveFileName(17), "wave17.wav");
}

TEST(SoundCatalogue, EachFileHasTheTableLengthAndLoopFlag) {
  struct Expected {
    int id;
    double seconds;
    bool looped;
  };
  const Expected table[] = {{2, 2.3, false},  {3, 2.8, true},   {4, 4.3, true},   {6, 4.8, false},
                            {7, 0.5, false},  {8, 0.2, false},  {9, 0.5, false},  {10, 1.2, false},
                            {11, 1.4, false}, {12, 0.7, false}, {13, 0.7, false}, {14, 21.0, false},
                            {15, 1.0, false}, {16, 1.3, false}, {17, 1.5, false}};
  for (const Expected& e : table) {
    SCOPED_TRACE(e.id);
    const SoundResource* sound = FindSound(e.id);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->looped, e.looped);
    const auto file = FileOf(*sound);
    const auto samples = Samples(file);
    EXPECT_EQ(static_cast<long>(samples.size()), std::lround(e.seconds * 11025));
    EXPECT_NEAR(samples.size() / 11025.0, e.seconds, 0.05);
    EXPECT_EQ(file.size(), kWaveHeaderBytes + samples.size() + samples.size() % 2);
  }
}

TEST(SoundCatalogue, LevelsAreLoudButNeverClipAndCarryNoOffset) {
  for (const SoundResource& sound : SoundResources()) {
    SCOPED_TRACE(sound.id);
    const auto samples = Samples(FileOf(sound));
    int peak = 0;
    int pinned = 0;
    double sum = 0.0;
    for (int s : samples) {
      peak = std::max(peak, std::abs(s));
      pinned += (s <= -127 || s >= 127);
      sum += s;
    }
    EXPECT_GE(peak, 60) << "too quiet to hear over the 8-bit floor";
    EXPECT_LE(peak, 118) << "no headroom left";
    EXPECT_LE(pinned, 3);
    EXPECT_LT(std::abs(sum / samples.size()), 1.0);
  }
}

TEST(SoundCatalogue, OneShotsStartAndEndInSilence) {
  const std::size_t onset = 22;  // 2 ms
  const std::size_t tail = 55;   // 5 ms
  for (const SoundResource& sound : SoundResources()) {
    if (sound.looped) continue;
    SCOPED_TRACE(sound.id);
    const auto samples = Samples(FileOf(sound));
    EXPECT_LE(std::abs(samples.front()), 1);
    EXPECT_LE(std::abs(samples.back()), 1);
    for (std::size_t i = 0; i < onset; ++i) {
      ASSERT_LE(std::abs(samples[i]), 24) << "sample " << i << " jumps in";
    }
    for (std::size_t i = 0; i < tail; ++i) {
      ASSERT_LE(std::abs(samples[samples.size() - 1 - i]), 6) << "sample -" << i << " cuts off";
    }
  }
}

TEST(SoundCatalogue, LoopsRunOnAcrossTheSeamWithoutAClick) {
  for (const SoundResource& sound : SoundResources()) {
    if (!sound.looped) continue;
    SCOPED_TRACE(sound.id);
    const auto samples = Samples(FileOf(sound));
    const double typical = MeanAbsStep(samples);
    EXPECT_LE(std::abs(samples.front() - samples.back()), 3.0 * typical + 2.0);

    // A click shows as a burst of sample-to-sample change; compare the
    // stretch around the seam with the same stretch anywhere else.
    const std::size_t n = samples.size();
    const std::size_t half = 128;
    auto roughness = [&](std::size_t centre) {
      double sum = 0.0;
      for (std::size_t k = centre + n - half; k < centre + n + half; ++k) {
        const double d = samples[k % n] - samples[(k + n - 1) % n];
        sum += d * d;
      }
      return sum;
    };
    double loudest = 0.0;
    for (std::size_t centre = n / 8; centre < n; centre += n / 8) {
      loudest = std::max(loudest, roughness(centre));
    }
    EXPECT_LE(roughness(0), 1.5 * loudest);
  }
}

TEST(SoundCatalogue, SynthesisIsRepeatableAndEverySoundIsItsOwn) {
  std::vector<std::vector<std::uint8_t>> files;
  for (const SoundResource& sound : SoundResources()) {
    SCOPED_TRACE(sound.id);
    files.push_back(FileOf(sound));
    EXPECT_EQ(files.back(), WaveFileOf(sound));
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j)
      EXPECT_NE(files[i], files[j]) << i << " " << j;
  }
}

TEST(StartTune, IsMadeOfNotesInOneKey) {
  const auto samples = Samples(FileOf(*FindSound(14)));
  const std::size_t frame = 4096;
  const std::set<int> fMajor{5, 7, 9, 10, 0, 2, 4};
  int frames = 0;
  int tonal = 0;
  int inKey = 0;
  for (std::size_t from = 0; from + frame <= samples.size(); from += frame / 2) {
    const auto power = PowerBins(samples, from, frame);
    double total = 0.0;
    for (std::size_t k = 1; k < power.size(); ++k) total += power[k];
    if (total < 1e6) continue;  // the silence after the last chord
    ++frames;
    std::vector<double> sorted(power.begin() + 1, power.end());
    std::sort(sorted.rbegin(), sorted.rend());
    double strongest = 0.0;
    for (std::size_t k = 0; k < 40; ++k) strongest += sorted[k];
    tonal += strongest > 0.6 * total;

    const auto peak = std::max_element(power.begin() + 8, power.end()) - power.begin();
    const double hz = peak * 11025.0 / frame;
    const int note = static_cast<int>(std::lround(69.0 + 12.0 * std::log2(hz / 440.0)));
    inKey += fMajor.count(((note % 12) + 12) % 12) > 0;
  }
  ASSERT_GT(frames, 80);
  EXPECT_GE(tonal, frames * 9 / 10) << "energy should sit on a few notes, not spread like noise";
  EXPECT_GE(inKey, frames * 9 / 10) << "the strongest note should belong to F major";
}

TEST(WriteAllSounds, WritesEveryWaveAndReportsAnUnusableFolder) {
  const auto root = std::filesystem::temp_directory_path() / "soundgen-write-all";
  std::filesystem::remove_all(root);
  std::string error;
  ASSERT_TRUE(WriteAllSounds(root / "made" / "here", error)) << error;
  for (const SoundResource& sound : SoundResources()) {
    std::ifstream file(root / "made" / "here" / WaveFileName(sound.id), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, FileOf(sound)) << sound.id;
  }

  std::ofstream(root / "plain-file") << "not a folder";
  EXPECT_FALSE(WriteAllSounds(root / "plain-file", error));
  EXPECT_NE(error.find("plain-file"), std::string::npos) << error;
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace soundgen
