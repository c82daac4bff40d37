#include "slideshow/viewer/settings/SheetSystem.h"

#include "slideshow/engine/pipeline/DesktopSettings.h"

namespace lumi {
namespace {

class DesktopSheetSystem final : public SheetSystem {
 public:
  int ScreenSaverTimeout() const override { return CDesktopSettings::GetScreenSaveTimeout(); }
  void SetScreenSaverTimeout(int seconds) override {
    CDesktopSettings::SetScreenSaveTimeout(seconds);
  }
  bool IsOwnWallpaper() const override { return CDesktopSettings::IsOwnWallpaper(); }
  bool WallpaperTiled() const override { return CDesktopSettings::GetTileWallpaper(); }
  void SetWallpaperTiled(bool tile) override { CDesktopSettings::SetTileWallpaper(tile); }
  void SetWallpaperFile(bool use) override { CDesktopSettings::SetWallpaperFile(use); }
};

}  // namespace

SheetSystem& GetDesktopSheetSystem() {
  static DesktopSheetSystem system;
  return system;
}

}  // namespace lumi
