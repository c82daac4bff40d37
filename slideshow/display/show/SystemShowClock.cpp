#include "slideshow/display/show/SystemShowClock.h"

#include <windows.h>

#include <cstdlib>

namespace lumi {

void SystemShowClock::Sleep(int milliseconds) {
  // The worker draws on the window from its own thread; what it drew must
  // reach the screen before it rests, not whenever the window's thread next
  // wakes up.
  GdiFlush();
  resting_ = true;
  ::Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0));
  resting_ = false;
}

std::uint32_t SystemShowClock::NowMilliseconds() { return GetTickCount(); }

void CrtRandom::Reseed() { std::srand(GetTickCount()); }

int CrtRandom::Next() { return std::rand(); }

}  // namespace lumi
