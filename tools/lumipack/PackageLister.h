#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace lumipack {

// Writes one line per member of the saver's package, in package order: the
// stored name, a tab and the size in bytes; a name the engine refuses to use is
// followed by a tab and "unsafe name, never used". False with a one-line reason
// when the file is missing or carries no readable package.
bool ListPackage(const std::filesystem::path& saver, std::ostream& out, std::string& error);

}  // namespace lumipack
