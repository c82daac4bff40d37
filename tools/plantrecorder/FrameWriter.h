#pragma once
// Turns the scene's back buffer into the recording's pictures: half size
// (each pixel the average of four), in the sprite sheets' own 256 colours, a
// caption on fast-forwarded ones, each written as an 8-bit BMP file.
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/GdiGuards.h"

namespace gulpleaf::recording {

class FrameWriter {
 public:
  // colourSheet: a bitmap resource whose colour table is the scene's.
  FrameWriter(HINSTANCE module, const char* colourSheet, int sceneWidth, int sceneHeight);
  FrameWriter(const FrameWriter&) = delete;
  FrameWriter& operator=(const FrameWriter&) = delete;

  bool Valid() const { return full_ != nullptr; }
  // Copies the scene, captions it (when the caption is not empty, top left)
  // and shrinks it into the picture.
  void Take(HDC scene, const std::string& caption);
  bool Save(const std::string& path) const;

 private:
  void Shrink();
  std::uint8_t Nearest(unsigned r, unsigned g, unsigned b);

  int sceneWidth_, sceneHeight_;
  int width_, height_, rowBytes_;
  RGBQUAD colours_[256]{};
  const std::uint32_t* full_ = nullptr;  // the scene's copy, top-down 0x00RRGGBB
  std::vector<std::uint8_t> picture_;    // bottom-up palette indices, as a BMP file keeps them
  // The averages of the sheets' colours are few; each is looked up once.
  std::unordered_map<std::uint32_t, std::uint8_t> nearest_;
  // In this order: the context deselects the font and the copy first.
  zeb::OwnedFont font_;
  zeb::GdiObjectGuard copy_;
  zeb::MemoryDcGuard dc_;
};

}  // namespace gulpleaf::recording
