#pragma once
// Times every effect at every speed from one picture to another on a
// screen-sized target and prints a table of durations and drawing calls.
#include <cstdio>

#include "tools/effectgallery/SamplePicture.h"

namespace gallery {

enum class BenchTarget {
  Window,  // a window's context on the screen, as the saver draws
  Memory,  // a DIB section in a memory context
};

// Returns the process exit code.
int RunBench(BenchTarget target, const SamplePicture& from, const SamplePicture& to,
             std::FILE* out);

}  // namespace gallery
