#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Sheets.h"

// gulpleaf-art OUTDIR: draws the plant saver's sprite sheets, preview
// picture and icon into OUTDIR, the same bytes on every run.
int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: gulpleaf-art OUTDIR\n");
    return 2;
  }
  std::filesystem::path dir(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!std::filesystem::is_directory(dir)) {
    std::fprintf(stderr, "gulpleaf-art: cannot create folder %s\n", dir.string().c_str());
    return 1;
  }
  for (const artgen::OutputFile& f : artgen::BuildAllFiles()) {
    std::filesystem::path path = dir / f.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()),
              static_cast<std::streamsize>(f.bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "gulpleaf-art: cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}
