#include <cstdio>
#include <string>

#include "SampleFolder.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]).empty() || argv[1][0] == '-') {
    std::fprintf(stderr,
                 "usage: lumishow-sample OUTDIR\n"
                 "Writes the sample slideshow's package folder (settings, pictures, thumbnails,\n"
                 "songs, overlays, document) into OUTDIR, which must be empty or hold only an\n"
                 "earlier run's files.\n");
    return 2;
  }
  std::vector<samplegen::Member> members = samplegen::BuildMembers();
  std::string error;
  if (!samplegen::WriteSampleFolder(argv[1], members, error)) {
    std::fprintf(stderr, "lumishow-sample: %s\n", error.c_str());
    return 1;
  }
  std::printf("lumishow-sample: wrote %zu files to %s\n", members.size(), argv[1]);
  return 0;
}
