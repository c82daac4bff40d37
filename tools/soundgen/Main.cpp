#include <cstdio>
#include <string>

#include "Catalogue.h"

// gulpleaf-sound OUTDIR: synthesises the plant saver's wave resources into
// OUTDIR as waveNN.wav, the same bytes on every run.
int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: gulpleaf-sound OUTDIR\n");
    return 2;
  }
  std::string error;
  if (!soundgen::WriteAllSounds(argv[1], error)) {
    std::fprintf(stderr, "gulpleaf-sound: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
