#pragma once
// Records one effect as a series of BMP frames taken from its canvas at
// drawing calls spread evenly over the whole transition.
#include <string>

#include "tools/effectgallery/SamplePicture.h"

namespace gallery {

struct FrameJob {
  int effectIndex = 0;
  int speed = 2;
  int frames = 25;  // between the first (the old picture) and the last (the final copy)
  std::string outDir;
};

// Writes outDir/frame-000.bmp .. and outDir/name.txt; false (with a message on
// stderr) when a file cannot be written.
bool RecordFrames(const FrameJob& job, const SamplePicture& from, const SamplePicture& to);

}  // namespace gallery
