#pragma once
// Shared pieces of the plant saver's end-to-end tests.
#include <windows.h>

#include <string>

#include "tests/support/Process.h"

namespace zebtest {

inline std::string SaverPath() { return WindowsPath(GULPLEAF_SCR); }

inline void CopyInto(const TempFolder& folder, const std::string& from, const std::string& name) {
  CopyFileA(from.c_str(), folder.File(name).c_str(), FALSE);
}

}  // namespace zebtest
