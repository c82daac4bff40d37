#include "slideshow/engine/pipeline/DesktopSettings.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

constexpr char kBoot[] = "boot";
constexpr char kSaverKey[] = "scrnsave.exe";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

bool CDesktopSettings::ReadDesktopWallpaper(DesktopWallpaper& values) {
  return lumi::ReadDesktopWallpaper(values);
}

void CDesktopSettings::WriteDesktopWallpaper(const DesktopWallpaper& values) {
  lumi::WriteDesktopWallpaper(values);
}

std::string CDesktopSettings::WallpaperFilePath() { return lumi::WallpaperFilePath(); }

bool CDesktopSettings::IsOwnWallpaper() { return lumi::IsOwnWallpaper(); }

void CDesktopSettings::SetWallpaperFile(bool use) { lumi::SetWallpaperFile(use); }

bool CDesktopSettings::GetTileWallpaper() {
  DesktopWallpaper values;
  lumi::ReadDesktopWallpaper(values);
  return values.tile;
}

void CDesktopSettings::SetTileWallpaper(bool tile) {
  DesktopWallpaper values;
  // Without a "Wallpaper" key the reset values ("(none)") are written with it.
  lumi::ReadDesktopWallpaper(values);
  values.tile = tile;
  lumi::WriteDesktopWallpaper(values);
}

int CDesktopSettings::GetScreenSaveTimeout() {
  int seconds = 0;
  if (!SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0)) return 0;
  return seconds;
}

void CDesktopSettings::SetScreenSaveTimeout(int seconds) {
  SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(seconds), nullptr,
                        SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void CDesktopSettings::InstallAsSystemSaver(bool on) {
  settings_.StoreSaverPath();
  const std::string own = Lower(settings_.GetSaverPath());
  // A program path too long to read names nothing the system could start.
  if (own.empty()) return;
  const CIniFile systemIni("system.ini");
  if (on) {
    systemIni.PutString(kBoot, kSaverKey, own);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    return;
  }
  // Another saver made itself the system's saver since: leave it be.
  if (Lower(systemIni.GetString(kBoot, kSaverKey, "")) == own)
    systemIni.PutString(kBoot, kSaverKey, "none");
}

CDesktopSettings& GetDesktopSettings() {
  static CDesktopSettings desktop(GetSaverSettings());
  return desktop;
}

}  // namespace lumi
