#pragma once

#include <filesystem>
#include <string>

namespace lumipack {

// Copies the bare engine to out and appends a package of the files in folder.
// The saver is written under a temporary name beside out and renamed into
// place only when complete, so a failed run leaves no half-written saver and an
// earlier one at out stays intact. False with a one-line reason on failure.
bool BuildSaver(const std::filesystem::path& engine, const std::filesystem::path& out,
                const std::filesystem::path& folder, std::string& error);

}  // namespace lumipack
