#include "slideshow/engine/pipeline/DesktopSettings.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

void CDesktopSettings::InstallAsSystemSaver(bool on) {
  settings_.StoreSaverPath();
  const std::string own = Lower(settings_.GetSaverPath());
  if (on) {
    WritePrivateProfileStringA("boot", "scrnsave.exe", own.c_str(), "system.ini");
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, 3);
    return;
  }
  char current[MAX_PATH] = {};
  GetPrivateProfileStringA("boot", "scrnsave.exe", "", current, MAX_PATH, "system.ini");
  // Another saver made itself the system's saver since: leave it be.
  if (Lower(current) == own)
    WritePrivateProfileStringA("boot", "scrnsave.exe", "none", "system.ini");
}

}  // namespace lumi
