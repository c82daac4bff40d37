#pragma once
// CDesktopSettings: the saver's side of the desktop settings. It points the
// desktop at the saver's wallpaper bitmap, keeps the desktop's tile flag,
// reads and sets the system's screen-saver time-out, and makes this saver
// the system's screen saver or stops being it. It keeps nothing between
// calls: every operation reads win.ini, system.ini and the settings afresh,
// and failed platform calls or ini writes are not reported (a Windows folder
// that cannot be written simply leaves the old values in place).
#include <string>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"

namespace lumi {

class CSaverSettings;

class CDesktopSettings {
 public:
  explicit CDesktopSettings(CSaverSettings& settings) : settings_(settings) {}

  // win.ini "Desktop": false (and the reset values, wallpaper "(none)") when
  // there is no "Wallpaper" key. Writing applies the wallpaper first (the
  // desktop is redrawn at once), then stores Wallpaper, WallpaperStyle,
  // WallpaperOriginX, WallpaperOriginY and TileWallpaper in that order.
  static bool ReadDesktopWallpaper(DesktopWallpaper& values);
  static void WriteDesktopWallpaper(const DesktopWallpaper& values);

  // The Windows folder followed by "\lumishow.bmp".
  static std::string WallpaperFilePath();
  // Whether the desktop's wallpaper is that file, compared in upper case;
  // false when win.ini has no wallpaper at all.
  static bool IsOwnWallpaper();
  // The desktop shows that file (use) or no wallpaper, "(none)" (not use);
  // tile, style and origin stay as they are.
  static void SetWallpaperFile(bool use);

  // The desktop's tile flag. Setting it writes all the values back, which
  // re-applies the current wallpaper before the flag is stored: the new flag
  // shows at the next refresh of the desktop.
  static bool GetTileWallpaper();
  static void SetTileWallpaper(bool tile);

  // The system's screen-saver time-out in seconds (0 when the system does
  // not answer); setting it updates the user's profile and tells the other
  // programs.
  static int GetScreenSaveTimeout();
  static void SetScreenSaveTimeout(int seconds);

  // On: system.ini [boot] "scrnsave.exe" names this saver (short path, lower
  // case) and the screen saver is switched on. Off: only if this saver is
  // the one named there, "none" is written instead; another saver stays.
  void InstallAsSystemSaver(bool on);

 private:
  CSaverSettings& settings_;
};

// The process's one desktop settings object, bound to the saver settings.
CDesktopSettings& GetDesktopSettings();

}  // namespace lumi
