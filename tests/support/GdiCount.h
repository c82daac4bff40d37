#pragma once
// Counting the process's live GDI objects, for tests that a long run leaves
// no handles behind.
#include <windows.h>

namespace zebtest {

// Windows counts them for us; Wine answers 0 there, but it finds an object by
// the low 16 bits of its handle alone, so the live ones can be counted by
// asking for every such value.
DWORD LiveGdiObjects();

}  // namespace zebtest
