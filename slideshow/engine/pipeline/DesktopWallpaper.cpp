#include "slideshow/engine/pipeline/DesktopWallpaper.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "slideshow/engine/settings/IniFile.h"

namespace lumi {
namespace {

constexpr char kSection[] = "Desktop";
// A default no wallpaper path can be: tells a missing key from any value.
constexpr char kMissing[] = "noexist";

CIniFile WinIni() { return CIniFile("win.ini"); }

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

bool ReadDesktopWallpaper(DesktopWallpaper& values) {
  values = DesktopWallpaper{};
  const CIniFile ini = WinIni();
  std::string wallpaper = ini.GetString(kSection, "Wallpaper", kMissing);
  if (wallpaper == kMissing) return false;
  values.wallpaper = std::move(wallpaper);
  values.tile = ini.GetIntClamped(kSection, "TileWallpaper", 0, 0, 1) != 0;
  values.style = ini.GetInt(kSection, "WallpaperStyle", 0);
  values.originX = ini.GetInt(kSection, "WallpaperOriginX", 0);
  values.originY = ini.GetInt(kSection, "WallpaperOriginY", 0);
  return true;
}

void WriteDesktopWallpaper(const DesktopWallpaper& values) {
  std::string path = values.wallpaper.empty() ? std::string("(none)") : values.wallpaper;
  // The refresh comes before the tile flag is stored, so a changed flag shows
  // at the next refresh; the Wallpaper page writes the tile first for that.
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  const CIniFile ini = WinIni();
  ini.PutString(kSection, "Wallpaper", path);
  ini.PutInt(kSection, "WallpaperStyle", values.style);
  ini.PutInt(kSection, "WallpaperOriginX", values.originX);
  ini.PutInt(kSection, "WallpaperOriginY", values.originY);
  ini.PutFlag(kSection, "TileWallpaper", values.tile);
}

std::string WallpaperFilePath() {
  char folder[256] = {};
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  std::string path(folder, length < sizeof folder ? length : 0);
  return path + "\\lumishow.bmp";
}

bool IsOwnWallpaper() {
  DesktopWallpaper values;
  if (!ReadDesktopWallpaper(values)) return false;
  return Upper(values.wallpaper) == Upper(WallpaperFilePath());
}

void SetWallpaperFile(bool use) { SetWallpaperFile(WallpaperFilePath(), use); }

void SetWallpaperFile(const std::string& path, bool use) {
  DesktopWallpaper values;
  // A win.ini without the key goes on with the reset values.
  ReadDesktopWallpaper(values);
  values.wallpaper = use ? path : std::string();
  WriteDesktopWallpaper(values);
}

}  // namespace lumi
