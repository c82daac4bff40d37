#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Process.h"

namespace {

struct Picture {
  int width = 0, height = 0, bits = 0;
  std::vector<RGBQUAD> colours;
  std::vector<std::uint8_t> rows;  // bottom-up, padded to 4 bytes
  RGBQUAD At(int x, int y) const {
    const int stride = (width + 3) & ~3;
    return colours[rows[static_cast<std::size_t>(height - 1 - y) * stride + x]];
  }
};

bool ReadPicture(const std::string& path, Picture& p) {
  std::ifstream in(path, std::ios::binary);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  if (!in.read(reinterpret_cast<char*>(&file), sizeof file) ||
      !in.read(reinterpret_cast<char*>(&info), sizeof info) || file.bfType != 0x4D42)
    return false;
  p.width = info.biWidth;
  p.height = info.biHeight;
  p.bits = info.biBitCount;
  if (p.bits != 8 || p.width <= 0 || p.height <= 0) return false;
  p.colours.resize(256);
  p.rows.resize(static_cast<std::size_t>((p.width + 3) & ~3) * p.height);
  in.read(reinterpret_cast<char*>(p.colours.data()), 256 * sizeof(RGBQUAD));
  in.seekg(file.bfOffBits);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(p.rows.data()), p.rows.size()));
}

bool Bright(RGBQUAD c) { return c.rgbRed + c.rgbGreen + c.rgbBlue > 600; }

// Bright pixels where fast-forwarded pictures carry their caption.
int CaptionPixels(const Picture& p) {
  int n = 0;
  for (int y = 4; y < 20; ++y) {
    for (int x = 6; x < 120; ++x) n += Bright(p.At(x, y));
  }
  return n;
}

int LitPixels(const Picture& p) {
  int n = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const RGBQUAD c = p.At(x, y);
      n += c.rgbRed + c.rgbGreen + c.rgbBlue > 0;
    }
  }
  return n;
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Quoted(const std::string& path) { return '"' + path + '"'; }

bool Has(const std::string& line, const char* what) { return line.find(what) != std::string::npos; }

TEST(PlantRecorder, WritesHalfSizePicturesOfPourChewAndFrightWithTheirLogAndDelays) {
  zebtest::TempFolder folder;
  zebtest::Process recorder;
  ASSERT_TRUE(recorder.Start(zebtest::WindowsPath(PLANTRECORDER_EXE), Quoted(folder.Path())));
  ASSERT_TRUE(recorder.WaitExit(300000));
  ASSERT_EQ(recorder.ExitCode(), 0u);

  const std::vector<std::string> list = Lines(folder.File("frames.txt"));
  const std::vector<std::string> log = Lines(folder.File("scene.log"));
  ASSERT_GT(list.size(), 100u);
  ASSERT_EQ(log.size(), list.size());

  int pour = -1, chew = -1, fright = -1, captioned = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(log[i]);
    std::istringstream entry(list[i]);
    int delay = 0;
    std::string name;
    ASSERT_TRUE(entry >> delay >> name);
    EXPECT_GE(delay, 2);  // browsers show shorter GIF delays as slow ones
    const bool fast = !Has(log[i], " x1 ");
    const bool looked = i % 25 == 0 || fast || Has(log[i], "can=Pour") ||
                        Has(log[i], "plant=Chew") || Has(log[i], "scared");
    if (Has(log[i], "can=Pour") && pour < 0) pour = static_cast<int>(i);
    if (Has(log[i], "plant=Chew") && chew < 0) chew = static_cast<int>(i);
    if (Has(log[i], "plant=Sink") && Has(log[i], "scared") && fright < 0)
      fright = static_cast<int>(i);
    if (!looked) continue;
    Picture picture;
    ASSERT_TRUE(ReadPicture(folder.File(name), picture)) << name;
    EXPECT_EQ(picture.width, 512);
    EXPECT_EQ(picture.height, 384);
    EXPECT_GT(LitPixels(picture), 2000);  // at least the plant is there
    if (fast) {
      EXPECT_GT(CaptionPixels(picture), 40) << name;
      ++captioned;
    }
  }
  EXPECT_GE(pour, 0);
  EXPECT_GT(chew, pour);
  EXPECT_GT(fright, chew);
  EXPECT_GT(captioned, 0);
}

TEST(PlantRecorder, RefusesAFolderItCannotWriteInto) {
  zebtest::TempFolder folder;
  zebtest::Process recorder;
  ASSERT_TRUE(recorder.Start(zebtest::WindowsPath(PLANTRECORDER_EXE),
                             Quoted(folder.File("missing\\deeper"))));
  ASSERT_TRUE(recorder.WaitExit(60000));
  EXPECT_EQ(recorder.ExitCode(), 2u);
}

}  // namespace
