#include "tests/support/GdiCount.h"

namespace zebtest {

DWORD LiveGdiObjects() {
  if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
  DWORD live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  return live;
}

}  // namespace zebtest
