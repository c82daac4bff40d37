#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "FolderMembers.h"

namespace lumipack {

// Copies the bare engine to out and appends a package of the files in folder.
// The saver is written under a temporary name beside out and renamed into
// place only when complete, so a failed run leaves no half-written saver and an
// earlier one at out stays intact. False with a one-line reason on failure.
bool BuildSaver(const std::filesystem::path& engine, const std::filesystem::path& out,
                const std::filesystem::path& folder, std::string& error);

// What every build checks before any work: the engine is there and carries no
// package yet, and the saver is neither written into the folder its content
// comes from nor over the engine itself.
bool CheckBuildPaths(const std::filesystem::path& engine, const std::filesystem::path& out,
                     const std::filesystem::path& folder, std::string& error);

// Copies the engine to out and appends the members in the order given, with
// the same all-or-nothing replacement of out as BuildSaver.
bool WriteSaver(const std::filesystem::path& engine, const std::filesystem::path& out,
                const std::vector<MemberFile>& members, std::string& error);

}  // namespace lumipack
