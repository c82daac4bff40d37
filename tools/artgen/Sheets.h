#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Raster.h"

namespace artgen {

// How a sheet reaches the saver's blitter.
enum class SheetKind {
  Opaque,         // copied with SRCCOPY over black
  SeparateMask,   // sprite plus a 1-bit mask of the same layout
  SharedMask,     // several sprite frames over one 1-bit mask frame
  MaskUpperHalf,  // one 8-bit bitmap: mask frame on top, sprite frame below
};

using FrameRenderer = std::function<void(Canvas&, int frame)>;

struct SheetLayout {
  std::string name;      // resource and file stem
  std::string maskName;  // empty unless kind is SeparateMask or SharedMask
  int width, height;     // of the sprite sheet
  int frameWidth, frameHeight, frames;
  SheetKind kind;
  FrameRenderer render;
  // Where frame (0, 0) sits in the picture this sheet is cut from, so that
  // sheets the saver lays over each other dither alike and meet seamlessly.
  int ditherX = 0, ditherY = 0;
};

const std::vector<SheetLayout>& SheetTable();

struct OutputFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// Every file the saver's resource script expects, drawn in memory.
std::vector<OutputFile> BuildAllFiles();

// Coverage a pixel needs to belong to a masked sprite; fainter edge pixels
// are left to the background so that the mask and sprite agree exactly.
constexpr float kMaskCoverage = 0.3f;

}  // namespace artgen
