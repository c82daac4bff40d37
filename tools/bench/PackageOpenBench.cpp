// Times opening a saver whose package holds 120 members (the size of a
// typical shipped saver): the reader seeks past every member's data, so the
// cost is the directory alone. Also times a member read and an extraction.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "slideshow/engine/BoundPackage.h"
#include "slideshow/engine/package/PackageWriter.h"

namespace {

double Microseconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1e6 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace

int main() {
  std::vector<lumi::PackageMember> members;
  members.push_back({"Settings.ini", std::string(1200, 's')});
  members.push_back({"Pics.cvn", std::string(9000, 'p')});
  for (int i = 0; i < 118; ++i) {
    bool picture = i < 60;
    members.push_back(
        {(picture ? "Picture" : "Thumb") + std::to_string(i) + (picture ? ".jpg" : ".thu"),
         std::string(picture ? 90000 + 997 * i : 4318, static_cast<char>('a' + i % 26))});
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "bench120.scr";
  {
    std::ostringstream out;
    const std::string program(400000, 'M');
    out << program;
    std::string error;
    if (!lumi::WritePackage(out, program.size(), members, &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    std::ofstream(path, std::ios::binary) << out.str();
  }
  lumi::CBoundPackage package;
  package.SetReporter([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  package.SetTempFolder(temp);
  const int rounds = 200;
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < rounds; ++i) package.Open(path);
  QueryPerformanceCounter(&t1);
  std::printf("open with 120 entries: %.1f us (mean of %d), %d entries\n",
              Microseconds(t0, t1) / rounds, rounds, package.EntryCount());
  std::uint32_t size = 0;
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < rounds; ++i) package.ReadMember("Picture59.jpg", &size);
  QueryPerformanceCounter(&t1);
  std::printf("read a %u-byte member: %.1f us\n", size, Microseconds(t0, t1) / rounds);
  QueryPerformanceCounter(&t0);
  std::string extracted = package.ExtractMember("Settings.ini");
  QueryPerformanceCounter(&t1);
  std::printf("first extraction of Settings.ini: %.1f us\n", Microseconds(t0, t1));
  package.Close();
  DeleteFileA(path.c_str());
  return 0;
}
