#pragma once
// The viewer's button pictures: 16 x 16 pixels in the sixteen standard
// colours, written as 4-bit Windows bitmaps that the engine's resources
// compile in.
#include <cstdint>
#include <string>
#include <vector>

namespace buttonart {

inline constexpr int kSize = 16;

// Indices into the standard 16-colour table.
enum Colour : std::uint8_t {
  kBlack,
  kMaroon,
  kGreen,
  kOlive,
  kNavy,
  kPurple,
  kTeal,
  kSilver,
  kGrey,
  kRed,
  kLime,
  kYellow,
  kBlue,
  kFuchsia,
  kAqua,
  kWhite
};

struct Picture {
  std::uint8_t pixels[kSize][kSize] = {};  // [y][x], top row first
  void Set(int x, int y, std::uint8_t c);
  void Fill(int left, int top, int right, int bottom, std::uint8_t c);  // inclusive
  void Frame(int left, int top, int right, int bottom, std::uint8_t c);
  void Line(int x0, int y0, int x1, int y1, std::uint8_t c);
  void Disc(double cx, double cy, double r, std::uint8_t c);
};

struct NamedPicture {
  std::string file;
  Picture picture;
};

// Preview, settings, wallpaper, website and more-info pictures, by file name
// (prefixed: the Windows build searches several generated folders for them).
std::vector<NamedPicture> DrawAll();

// A bottom-up 4-bit BMP file with the standard 16-colour table.
std::vector<std::uint8_t> EncodeBmp4(const Picture& picture);

}  // namespace buttonart
