#include "slideshow/engine/settings/SystemFacts.h"

#include <windows.h>

namespace lumi {

bool IsNtFamily() { return GetVersion() < 0x80000000u; }

std::string UserSettingsPathInWindowsFolder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  return path + kUserSettingsFileName;
}

std::string ShortModulePath() {
  char longPath[MAX_PATH] = {};
  const DWORD longLength = GetModuleFileNameA(nullptr, longPath, MAX_PATH);
  if (longLength == 0 || longLength >= MAX_PATH) return {};
  char shortPath[MAX_PATH] = {};
  const DWORD shortLength = GetShortPathNameA(longPath, shortPath, MAX_PATH);
  // Without a short form (or with one too long for the buffer) the long path
  // still names the program, which is what the system's saver setting needs.
  if (shortLength == 0 || shortLength >= MAX_PATH) return std::string(longPath, longLength);
  return std::string(shortPath, shortLength);
}

}  // namespace lumi
