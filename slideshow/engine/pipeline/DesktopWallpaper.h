#pragma once
// The desktop's wallpaper as the saver sees it: the win.ini "Desktop" values
// and the saver's own wallpaper bitmap in the Windows folder. The image
// pipeline points the desktop at that bitmap after rewriting it; the
// settings pages and the saver window ask whether it is in use.
#include <string>

namespace lumi {

// The win.ini "Desktop" values the saver reads and writes back.
struct DesktopWallpaper {
  std::string wallpaper = "(none)";
  bool tile = false;
  int style = 0;
  int originX = 0;
  int originY = 0;
};

// False (and the reset values) when win.ini has no "Wallpaper" key.
bool ReadDesktopWallpaper(DesktopWallpaper& values);
// Points the desktop at the wallpaper (redrawn at once, "(none)" for an empty
// path), then stores the values.
void WriteDesktopWallpaper(const DesktopWallpaper& values);

// The Windows folder followed by "\lumishow.bmp".
std::string WallpaperFilePath();
// Whether the desktop's wallpaper is the saver's own bitmap, in any case.
bool IsOwnWallpaper();
// Makes the saver's bitmap (use) or nothing (not use) the wallpaper, keeping
// the tile, style and origin values as they are.
void SetWallpaperFile(bool use);
// The same with another bitmap in place of the saver's own.
void SetWallpaperFile(const std::string& path, bool use);

}  // namespace lumi
