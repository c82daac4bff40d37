#pragma once
// CDesktopSettings: the saver's side of the desktop settings. It makes this
// saver the system's screen saver, or stops being it, and points the desktop
// at the saver's wallpaper bitmap. The wallpaper calls keep no state and live
// with the image pipeline, which applies each new wallpaper itself.
#include <string>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"

namespace lumi {

class CSaverSettings;

class CDesktopSettings {
 public:
  explicit CDesktopSettings(CSaverSettings& settings) : settings_(settings) {}
  // On: system.ini [boot] "scrnsave.exe" names this saver (short path, lower
  // case) and the screen saver is switched on. Off: only if this saver is
  // the one named there, "none" is written instead.
  void InstallAsSystemSaver(bool on);

  // The Windows folder followed by "\lumishow.bmp".
  static std::string WallpaperFilePath() { return lumi::WallpaperFilePath(); }
  // Whether the desktop's wallpaper is that file, compared in upper case.
  static bool IsOwnWallpaper() { return lumi::IsOwnWallpaper(); }
  // The desktop shows that file (use) or no wallpaper (not use).
  static void SetWallpaperFile(bool use) { lumi::SetWallpaperFile(use); }
  static void SetWallpaperFile(const std::string& path, bool use) {
    lumi::SetWallpaperFile(path, use);
  }

 private:
  CSaverSettings& settings_;
};

}  // namespace lumi
