#pragma once
// The "Wallpaper" page: whether the desktop shows the saver's wallpaper, how
// the next wallpaper is made (enlarged, black and white), the desktop's tile
// flag and how often the running saver changes the wallpaper.
#include "common/PropertyPage.h"

namespace lumi {

class CSaverSettings;
class SheetSystem;

class CWallpaperSettingsPage final : public zeb::PropertyPage {
 public:
  // Reads the values.
  CWallpaperSettingsPage(HINSTANCE instance, CSaverSettings& settings, SheetSystem& system);

 protected:
  BOOL OnInitDialog() override;
  bool OnKillActive() override;
  void OnApply() override;

 private:
  CSaverSettings& settings_;
  SheetSystem& system_;
  int enlarge_;
  int blackWhite_;
  int cycle_;  // index in the list: never, hour, day, week
  int useWallpaper_;
  int tile_;
};

}  // namespace lumi
