#include "slideshow/display/captions/CaptionTimer.h"

#include <windows.h>

namespace lumi {

void SystemCaptionTimer::Sleep(int ms) {
  if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
}

}  // namespace lumi
