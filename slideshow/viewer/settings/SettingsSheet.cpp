#include "slideshow/viewer/settings/SettingsSheet.h"

#include "slideshow/viewer/settings/DisplaySettingsPage.h"
#include "slideshow/viewer/settings/EffectsPage.h"
#include "slideshow/viewer/settings/PasswordSettingsPage.h"
#include "slideshow/viewer/settings/WallpaperSettingsPage.h"

namespace lumi {

CSettingsSheet::CSettingsSheet(HINSTANCE instance, CSaverSettings& settings, SheetSystem& system,
                               bool ntFamily)
    : display_(std::make_unique<CDisplaySettingsPage>(instance, settings, system)),
      wallpaper_(std::make_unique<CWallpaperSettingsPage>(instance, settings, system)),
      // On the NT family the system's own saver password applies.
      password_(ntFamily ? nullptr : std::make_unique<CPasswordSettingsPage>(instance, settings)),
      effects_(std::make_unique<CEffectsPage>(instance, settings, CatalogueEffectNames())),
      sheet_(instance, kCaption) {
  sheet_.AddPage(*display_);
  sheet_.AddPage(*wallpaper_);
  if (password_) sheet_.AddPage(*password_);
  sheet_.AddPage(*effects_);
}

CSettingsSheet::~CSettingsSheet() = default;

INT_PTR CSettingsSheet::DoModal(HWND parent) {
  switch (sheet_.Run(parent, PSH_NOAPPLYNOW)) {
    case zeb::PropertySheetDialog::Outcome::Ok:
      return IDOK;
    case zeb::PropertySheetDialog::Outcome::Cancelled:
      return IDCANCEL;
    default:
      return -1;
  }
}

}  // namespace lumi
