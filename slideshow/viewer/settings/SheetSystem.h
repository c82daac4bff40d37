#pragma once
// The system settings the settings sheet shows beside the saver's own: the
// screen-saver time-out and the desktop wallpaper. The pages reach them
// through this, so that a test can see what OK would change on the desktop.
namespace lumi {

class SheetSystem {
 public:
  virtual ~SheetSystem() = default;
  virtual int ScreenSaverTimeout() const = 0;  // seconds
  virtual void SetScreenSaverTimeout(int seconds) = 0;
  // Whether the desktop shows the saver's own wallpaper bitmap.
  virtual bool IsOwnWallpaper() const = 0;
  virtual bool WallpaperTiled() const = 0;
  // Stores the flag and applies the current wallpaper again.
  virtual void SetWallpaperTiled(bool tile) = 0;
  // The saver's bitmap (use) or no wallpaper at all (not use).
  virtual void SetWallpaperFile(bool use) = 0;
};

// The running system's desktop.
SheetSystem& GetDesktopSheetSystem();

}  // namespace lumi
