#include "slideshow/viewer/settings/WallpaperSettingsPage.h"

#include "common/DialogData.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/settings/SheetSystem.h"
#include "slideshow/viewer/settings/WallpaperSettingsPageIds.h"

namespace lumi {
namespace {

// In the order of the stored cycle values.
constexpr const char* kCycleNames[] = {"Never", "Hour", "Day", "Week"};

}  // namespace

CWallpaperSettingsPage::CWallpaperSettingsPage(HINSTANCE instance, CSaverSettings& settings,
                                               SheetSystem& system)
    : PropertyPage(instance, IDD_WALLPAPER_SETTINGS),
      settings_(settings),
      system_(system),
      enlarge_(settings.GetEnlargeWallpaperPics()),
      blackWhite_(settings.GetWallpaperBlackAndWhite()),
      cycle_(settings.GetWallpaperCycle()),
      useWallpaper_(system.IsOwnWallpaper()),
      tile_(system.WallpaperTiled()) {}

BOOL CWallpaperSettingsPage::OnInitDialog() {
  for (const char* name : kCycleNames)
    SendDlgItemMessageA(hwnd_, IDC_WALLPAPER_CYCLE, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(name));
  zeb::SetItemChecked(hwnd_, IDC_WALLPAPER_ENLARGE, enlarge_);
  zeb::SetItemChecked(hwnd_, IDC_WALLPAPER_BLACK_WHITE, blackWhite_);
  // A stored cycle outside the list selects nothing.
  SendDlgItemMessageA(hwnd_, IDC_WALLPAPER_CYCLE, CB_SETCURSEL, static_cast<WPARAM>(cycle_), 0);
  zeb::SetItemChecked(hwnd_, IDC_WALLPAPER_USE, useWallpaper_);
  zeb::SetItemChecked(hwnd_, IDC_WALLPAPER_TILE, tile_);
  return TRUE;
}

bool CWallpaperSettingsPage::OnKillActive() {
  enlarge_ = zeb::ItemChecked(hwnd_, IDC_WALLPAPER_ENLARGE);
  blackWhite_ = zeb::ItemChecked(hwnd_, IDC_WALLPAPER_BLACK_WHITE);
  cycle_ = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_WALLPAPER_CYCLE, CB_GETCURSEL, 0, 0));
  useWallpaper_ = zeb::ItemChecked(hwnd_, IDC_WALLPAPER_USE);
  tile_ = zeb::ItemChecked(hwnd_, IDC_WALLPAPER_TILE);
  return true;
}

void CWallpaperSettingsPage::OnApply() {
  settings_.SetWallpaperBlackAndWhite(blackWhite_);
  settings_.SetEnlargeWallpaperPics(enlarge_);
  settings_.SetWallpaperCycle(cycle_);
  // A schedule chosen now starts with a change at the saver's next picture.
  settings_.ResetLastWallpaperChange();
  // The tile flag is stored after the desktop is redrawn, so it shows with
  // the wallpaper applied next.
  system_.SetWallpaperTiled(tile_);
  if (useWallpaper_) {
    system_.SetWallpaperFile(true);
  } else if (system_.IsOwnWallpaper()) {
    system_.SetWallpaperFile(false);
  } else {
    // Unticked means "not the saver's wallpaper": a wallpaper the user chose
    // elsewhere stays, applied again so that the new tile flag shows.
    system_.SetWallpaperTiled(tile_);
  }
}

}  // namespace lumi
