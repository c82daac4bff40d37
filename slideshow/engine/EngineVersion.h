#pragma once
// The file version a program carries in its version resource, as the about
// box shows it.
#include <windows.h>

#include <string>

namespace lumi {

struct EngineVersion {
  int major = 0, minor = 0, build = 0, revision = 0;
  std::string text;  // "%d.%d.%d.%d"
};

// The fixed file version of the file at path; false when the file has no
// version resource (version is then left as it was).
bool ReadFileVersion(const std::string& path, EngineVersion& version);

// The path of a loaded module; null names the running program.
std::string ModulePath(HMODULE module);

}  // namespace lumi
