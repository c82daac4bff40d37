#include "tests/support/slideshow/TestFiles.h"

#include <windows.h>

#include <fstream>

namespace lumi::test {
namespace {
int folders = 0;
void Save(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
}  // namespace

TempFolder::TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  folder_ = std::string(temp) + "lumiset-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++folders) + "\\";
  CreateDirectoryA(folder_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(Path("*").c_str(), &found);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
    DeleteFileA(Path(found.cFileName).c_str());
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  RemoveDirectoryA(folder_.c_str());
}

std::string TempFolder::Write(const std::string& text) {
  const std::string path = Path("file" + std::to_string(++files_) + ".ini");
  Save(path, text);
  return path;
}

std::string FakePackage::ExtractPackageFile(const std::string& name) {
  requests_.push_back(name);
  auto member = members_.find(name);
  if (member == members_.end()) return {};
  Save(folder_.Path("x-" + name), member->second);
  return folder_.Path("x-" + name);
}

}  // namespace lumi::test
