#pragma once

#include <string>
#include <vector>

namespace lumipack {

// What one run of the builder was asked to do.
struct CommandLine {
  enum class Mode { kUsageError, kHelp, kBuild, kList };

  Mode mode = Mode::kUsageError;
  std::string error;   // for kUsageError: what was wrong with the arguments
  std::string engine;  // kBuild
  std::string out;     // kBuild
  std::string folder;  // kBuild
  std::string file;    // kList
};

// args excludes the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char kUsage[];

}  // namespace lumipack
