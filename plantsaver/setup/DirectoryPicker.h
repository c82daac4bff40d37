#pragma once
// The shell's folder browser with an edit box: the user picks a directory or
// types one, and a typed directory that does not exist yet is made after
// asking.
#include <windows.h>

#include <optional>
#include <string>

namespace gulpleaf {

// Starts at `initial`; the chosen directory, or nothing when cancelled.
std::optional<std::string> PickDirectoryWithShell(HWND owner, const std::string& initial);

// Makes a directory and any missing parents; true when it exists afterwards.
bool MakeDirectoryPath(const std::string& path);

}  // namespace gulpleaf
