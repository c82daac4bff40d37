#pragma once
// Windows bitmap files made in memory for the pipeline tests, so each test
// states the size and colours it needs.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumi::test {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
};

// 24 bits per pixel; colour(x, y) with y counted from the top.
std::vector<std::uint8_t> MakeBitmapFile(int width, int height,
                                         const std::function<Rgb8(int x, int y)>& colour);
std::vector<std::uint8_t> SolidBitmapFile(int width, int height, Rgb8 colour);
// 8 bits per pixel with the given table; index(x, y) picks the entry.
std::vector<std::uint8_t> MakePaletteBitmapFile(int width, int height,
                                                const std::vector<Rgb8>& table,
                                                const std::function<int(int x, int y)>& index);

// Writes bytes to a file in the test's scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace lumi::test
