#include "ButtonArt.h"

#include <algorithm>
#include <cstdlib>

namespace buttonart {
namespace {

constexpr std::uint8_t kTable[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

// The buttons blit the picture as it is, so the background is the classic
// button face.
Picture Blank() {
  Picture p;
  p.Fill(0, 0, kSize - 1, kSize - 1, kSilver);
  return p;
}

// A monitor on its stand showing a small landscape.
Picture Preview() {
  Picture p = Blank();
  p.Fill(0, 1, 15, 11, kGrey);
  p.Frame(0, 1, 15, 11, kBlack);
  p.Fill(2, 3, 13, 9, kAqua);   // sky
  p.Fill(2, 7, 13, 9, kGreen);  // meadow
  p.Line(2, 7, 5, 5, kGreen);
  p.Line(5, 5, 8, 7, kGreen);
  p.Fill(3, 6, 6, 7, kGreen);
  p.Disc(11, 4.5, 1.2, kYellow);  // sun
  p.Fill(6, 12, 9, 13, kGrey);    // neck
  p.Fill(3, 14, 12, 14, kBlack);  // foot
  return p;
}

// A check list: three ticked boxes with their lines of text.
Picture Settings() {
  Picture p = Blank();
  p.Fill(1, 0, 14, 15, kWhite);
  p.Frame(1, 0, 14, 15, kBlack);
  for (int row = 0; row < 3; ++row) {
    const int top = 2 + row * 5;
    p.Frame(3, top, 6, top + 3, kNavy);
    p.Line(3, top + 1, 5, top + 3, kRed);  // the tick, leaving its box
    p.Line(5, top + 3, 8, top - 1, kRed);
    p.Line(9, top + 1, 12, top + 1, kGrey);
    p.Line(9, top + 2, 11, top + 2, kGrey);
  }
  return p;
}

// A landscape picture in a wooden frame.
Picture Wallpaper() {
  Picture p = Blank();
  p.Fill(0, 1, 15, 14, kOlive);
  p.Frame(0, 1, 15, 14, kMaroon);
  p.Fill(2, 3, 13, 12, kAqua);
  p.Disc(5, 5.5, 1.3, kYellow);
  p.Line(2, 10, 6, 6, kTeal);  // mountain
  p.Line(6, 6, 10, 10, kTeal);
  for (int y = 7; y <= 10; ++y) p.Line(2 + 10 - y, y, 6 + y - 6, y, kTeal);
  p.Line(8, 9, 10, 7, kGreen);
  p.Line(10, 7, 13, 10, kGreen);
  p.Fill(2, 10, 13, 12, kGreen);
  p.Set(6, 6, kWhite);  // snow cap
  return p;
}

// A globe with its meridians and parallels.
Picture Website() {
  Picture p = Blank();
  p.Disc(7.5, 7.5, 7.4, kNavy);
  p.Disc(7.5, 7.5, 6.5, kBlue);
  // Land masses.
  p.Fill(4, 3, 6, 6, kGreen);
  p.Fill(3, 4, 4, 5, kGreen);
  p.Fill(9, 7, 11, 11, kGreen);
  p.Fill(8, 9, 9, 10, kGreen);
  // Grid lines.
  p.Line(1, 7, 14, 7, kAqua);
  p.Line(3, 3, 12, 3, kAqua);
  p.Line(3, 12, 12, 12, kAqua);
  for (int y = 1; y <= 14; ++y) {
    const int dx = (y < 3 || y > 12) ? 1 : (y < 5 || y > 10) ? 2 : 3;
    p.Set(7 - dx, y, kAqua);
    p.Set(8 + dx, y, kAqua);
  }
  return p;
}

// A blue information disc with a white "i".
Picture MoreInfo() {
  Picture p = Blank();
  p.Disc(7.5, 7.5, 7.4, kNavy);
  p.Disc(7.5, 7.5, 6.5, kBlue);
  p.Fill(7, 3, 8, 4, kWhite);  // dot
  p.Fill(6, 6, 8, 7, kWhite);  // stem with its serifs
  p.Fill(7, 7, 8, 11, kWhite);
  p.Fill(6, 12, 9, 12, kWhite);
  return p;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

void Picture::Set(int x, int y, std::uint8_t c) {
  if (x >= 0 && x < kSize && y >= 0 && y < kSize) pixels[y][x] = c;
}

void Picture::Fill(int left, int top, int right, int bottom, std::uint8_t c) {
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) Set(x, y, c);
}

void Picture::Frame(int left, int top, int right, int bottom, std::uint8_t c) {
  Line(left, top, right, top, c);
  Line(left, bottom, right, bottom, c);
  Line(left, top, left, bottom, c);
  Line(right, top, right, bottom, c);
}

void Picture::Line(int x0, int y0, int x1, int y1, std::uint8_t c) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
    Set(x0 + static_cast<int>(t * (x1 - x0) + (x1 >= x0 ? 0.5 : -0.5)),
        y0 + static_cast<int>(t * (y1 - y0) + (y1 >= y0 ? 0.5 : -0.5)), c);
  }
}

void Picture::Disc(double cx, double cy, double r, std::uint8_t c) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) Set(x, y, c);
}

std::vector<NamedPicture> DrawAll() {
  return {{"viewer-preview.bmp", Preview()},
          {"viewer-settings.bmp", Settings()},
          {"viewer-wallpaper.bmp", Wallpaper()},
          {"viewer-website.bmp", Website()},
          {"viewer-moreinfo.bmp", MoreInfo()}};
}

std::vector<std::uint8_t> EncodeBmp4(const Picture& picture) {
  constexpr unsigned kRowBytes = 8;  // 16 pixels at 4 bits, already a multiple of 4
  constexpr unsigned kHeaders = 14 + 40 + 16 * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, kHeaders + kRowBytes * kSize);
  Put32(out, 0);
  Put32(out, kHeaders);
  Put32(out, 40);
  Put32(out, kSize);
  Put32(out, kSize);  // positive: rows bottom-up
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);  // BI_RGB
  Put32(out, kRowBytes * kSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 16);
  for (const auto& rgb : kTable) {
    out.push_back(rgb[2]);
    out.push_back(rgb[1]);
    out.push_back(rgb[0]);
    out.push_back(0);
  }
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 2) {
      out.push_back(static_cast<std::uint8_t>((picture.pixels[y][x] & 0x0F) << 4 |
                                              (picture.pixels[y][x + 1] & 0x0F)));
    }
  }
  return out;
}

}  // namespace buttonart
