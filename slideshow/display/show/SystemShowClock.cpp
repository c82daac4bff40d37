#include "slideshow/display/show/SystemShowClock.h"

#include <windows.h>

#include <cstdlib>

namespace lumi {

void SystemShowClock::Sleep(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0));
}

std::uint32_t SystemShowClock::NowMilliseconds() { return GetTickCount(); }

void CrtRandom::Reseed() { std::srand(GetTickCount()); }

int CrtRandom::Next() { return std::rand(); }

}  // namespace lumi
