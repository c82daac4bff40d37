#pragma once
// CSettingsSheet: the viewer's "Screen Saver and Wallpaper Settings", a modal
// property sheet with the "Screen Saver", "Wallpaper", "Password" (Windows
// 9x family only) and "Effects" pages. Each page takes its values when the
// sheet is made; OK writes those of every page that was shown, in tab order;
// Cancel writes nothing.
#include <windows.h>

#include <memory>

#include "common/PropertySheetDialog.h"
#include "slideshow/engine/settings/SystemFacts.h"

namespace lumi {

class CSaverSettings;
class SheetSystem;
class CDisplaySettingsPage;
class CWallpaperSettingsPage;
class CPasswordSettingsPage;
class CEffectsPage;

class CSettingsSheet {
 public:
  static constexpr char kCaption[] = "Screen Saver and Wallpaper Settings";

  CSettingsSheet(HINSTANCE instance, CSaverSettings& settings, SheetSystem& system,
                 bool ntFamily = IsNtFamily());
  ~CSettingsSheet();
  CSettingsSheet(const CSettingsSheet&) = delete;
  CSettingsSheet& operator=(const CSettingsSheet&) = delete;

  // Runs the sheet over parent: IDOK once OK wrote the values, IDCANCEL
  // after Cancel, -1 when the sheet could not be shown.
  INT_PTR DoModal(HWND parent);
  std::size_t PageCount() const { return sheet_.PageCount(); }

 private:
  std::unique_ptr<CDisplaySettingsPage> display_;
  std::unique_ptr<CWallpaperSettingsPage> wallpaper_;
  std::unique_ptr<CPasswordSettingsPage> password_;  // none on the NT family
  std::unique_ptr<CEffectsPage> effects_;
  zeb::PropertySheetDialog sheet_;
};

}  // namespace lumi
