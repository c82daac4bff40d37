#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "WaveFile.h"

namespace soundgen {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

TEST(EncodeWave, WritesPcmMono8BitHeaderAndPadsOddData) {
  for (std::size_t samples : {0u, 1u, 2u, 5513u}) {
    SCOPED_TRACE(samples);
    const auto bytes = EncodeWave(Signal(samples, 0.25), 1);
    const std::size_t pad = samples % 2;
    ASSERT_EQ(bytes.size(), kWaveHeaderBytes + samples + pad);
    EXPECT_EQ(Tag(bytes, 0), "RIFF");
    EXPECT_EQ(U32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(Tag(bytes, 8), "WAVE");
    EXPECT_EQ(Tag(bytes, 12), "fmt ");
    EXPECT_EQ(U32(bytes, 16), 16u);
    EXPECT_EQ(U16(bytes, 20), 1);  // PCM
    EXPECT_EQ(U16(bytes, 22), 1);  // mono
    EXPECT_EQ(U32(bytes, 24), 11025u);
    EXPECT_EQ(U32(bytes, 28), 11025u);
    EXPECT_EQ(U16(bytes, 32), 1);
    EXPECT_EQ(U16(bytes, 34), 8);
    EXPECT_EQ(Tag(bytes, 36), "data");
    EXPECT_EQ(U32(bytes, 40), samples);
    if (pad) {
      EXPECT_EQ(bytes.back(), 128) << "a pad byte read as a sample must be silence";
    }
  }
}

TEST(EncodeWave, RoundsWithUnbiasedDitherAndClipsSafely) {
  struct Case {
    const char* name;
    double input;
    int lowest;
    int highest;
    double mean;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"silence stays exact", 0.0, 128, 128, 128.0},
      {"NaN is silence", nan, 128, 128, 128.0},
      {"half scale", 0.5, 191, 193, 191.5},
      {"negative half scale", -0.5, 63, 65, 64.5},
      {"a third of a step", 1.0 / 381.0, 127, 130, 128.0 + 1.0 / 3.0},
      {"full scale", 1.0, 254, 255, 254.875},
      {"beyond full scale clips", 7.0, 254, 255, 254.875},
      {"infinity clips", -inf, 0, 2, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bytes = EncodeWave(Signal(20000, c.input), 7);
    double sum = 0.0;
    for (std::size_t i = kWaveHeaderBytes; i < bytes.size(); ++i) {
      ASSERT_GE(bytes[i], c.lowest);
      ASSERT_LE(bytes[i], c.highest);
      sum += bytes[i];
    }
    EXPECT_NEAR(sum / 20000.0, c.mean, 0.03);
  }
}

TEST(EncodeWave, DitherDependsOnlyOnTheSeed) {
  const Signal ramp = [] {
    Signal s(4000);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = std::sin(0.01 * i) * 0.3;
    return s;
  }();
  EXPECT_EQ(EncodeWave(ramp, 42), EncodeWave(ramp, 42));
  EXPECT_NE(EncodeWave(ramp, 42), EncodeWave(ramp, 43));
}

class WriteFileReplacingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder =
        std::filesystem::temp_directory_path() /
        ("soundgen-write-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  static std::vector<std::uint8_t> Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path folder;
};

TEST_F(WriteFileReplacingTest, ReplacesAnOlderFileCompletely) {
  const auto path = folder / "wave.wav";
  std::string error;
  ASSERT_TRUE(WriteFileReplacing(path, std::vector<std::uint8_t>(100, 1), error)) << error;
  ASSERT_TRUE(WriteFileReplacing(path, {9, 8, 7}, error)) << error;
  EXPECT_EQ(Read(path), (std::vector<std::uint8_t>{9, 8, 7}));
  EXPECT_FALSE(std::filesystem::exists(folder / "wave.wav.part"));
}

TEST_F(WriteFileReplacingTest, ReportsAFolderThatDoesNotExist) {
  const auto path = folder / "missing" / "wave.wav";
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(path, {1, 2, 3}, error));
  EXPECT_NE(error.find("missing"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace soundgen
