#include "slideshow/engine/EngineVersion.h"

#include <cstdio>
#include <vector>

namespace lumi {

bool ReadFileVersion(const std::string& path, EngineVersion& version) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  // The root block, named by a single backslash, is the fixed file information.
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof *info) {
    return false;
  }
  version.major = HIWORD(info->dwFileVersionMS);
  version.minor = LOWORD(info->dwFileVersionMS);
  version.build = HIWORD(info->dwFileVersionLS);
  version.revision = LOWORD(info->dwFileVersionLS);
  char text[64];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", version.major, version.minor, version.build,
                version.revision);
  version.text = text;
  return true;
}

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  return path;
}

}  // namespace lumi
