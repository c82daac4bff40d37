#pragma once

#include <string>
#include <vector>

#include "SaverOptions.h"

namespace lumipack {

// What one run of the builder was asked to do.
struct CommandLine {
  enum class Mode { kUsageError, kHelp, kBuild, kBuildPhotos, kList };

  Mode mode = Mode::kUsageError;
  std::string error;   // for kUsageError: what was wrong with the arguments
  std::string engine;  // kBuild, kBuildPhotos
  std::string out;     // kBuild, kBuildPhotos
  std::string folder;  // kBuild: the complete content; kBuildPhotos: the photos
  std::string title;   // kBuildPhotos; empty for the folder's name
  std::string file;    // kList
  SaverOptions saver;  // kBuildPhotos
};

// args excludes the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The whole help text, the saver's settings included.
std::string UsageText();

}  // namespace lumipack
