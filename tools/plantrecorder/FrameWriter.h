#pragma once
// Turns the scene's back buffer into the recording's pictures: half size,
// in the sprite sheets' own 256 colours, a caption on fast-forwarded ones,
// each written as an 8-bit BMP file.
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"

namespace gulpleaf::recording {

class FrameWriter {
 public:
  // colourSheet: a bitmap resource whose colour table is the scene's.
  FrameWriter(HINSTANCE module, const char* colourSheet, int sceneWidth, int sceneHeight);
  FrameWriter(const FrameWriter&) = delete;
  FrameWriter& operator=(const FrameWriter&) = delete;

  bool Valid() const { return bits_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Shrinks the scene into the picture; a non-empty caption goes top left.
  void Take(HDC scene, const std::string& caption);
  bool Save(const std::string& path) const;

 private:
  int sceneWidth_, sceneHeight_;
  int width_, height_;
  RGBQUAD colours_[256]{};
  void* bits_ = nullptr;
  // In this order: the context deselects the font and the picture first.
  zeb::OwnedFont font_;
  zeb::GdiObjectGuard picture_;
  zeb::MemoryDcGuard dc_;
};

}  // namespace gulpleaf::recording
