#pragma once
// Shared pieces of the plant saver's end-to-end tests.
#include <windows.h>

#include <string>

#include "tests/support/Process.h"

namespace zebtest {

inline std::string SaverPath() { return WindowsPath(GULPLEAF_SCR); }

// Keeps this thread's windows answering (a child window in another process
// sends its parent messages and waits for them).
inline void PumpFor(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

inline void CopyInto(const TempFolder& folder, const std::string& from, const std::string& name) {
  CopyFileA(from.c_str(), folder.File(name).c_str(), FALSE);
}

}  // namespace zebtest
