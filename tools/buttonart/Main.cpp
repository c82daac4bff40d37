#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ButtonArt.h"

// viewer-button-art OUTDIR: draws the viewer's button pictures into OUTDIR,
// the same bytes on every run.
int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: viewer-button-art OUTDIR\n");
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (const buttonart::NamedPicture& p : buttonart::DrawAll()) {
    const std::vector<std::uint8_t> bytes = buttonart::EncodeBmp4(p.picture);
    std::ofstream out(dir / p.file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "viewer-button-art: cannot write %s\n", (dir / p.file).string().c_str());
      return 1;
    }
  }
  return 0;
}
