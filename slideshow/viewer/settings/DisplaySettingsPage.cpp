#include "slideshow/viewer/settings/DisplaySettingsPage.h"

#include "common/DialogData.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/settings/DisplaySettingsPageIds.h"
#include "slideshow/viewer/settings/SheetSystem.h"

namespace lumi {
namespace {

// The up-down control beside a number field counts within the field's own
// limits: left at the control's default range it would count down on the
// up arrow and stop at 100.
void SetSpinRange(HWND page, int id, int low, int high) {
  SendDlgItemMessageA(page, id, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

}  // namespace

CDisplaySettingsPage::CDisplaySettingsPage(HINSTANCE instance, CSaverSettings& settings,
                                           SheetSystem& system)
    : PropertyPage(instance, IDD_DISPLAY_SETTINGS),
      settings_(settings),
      system_(system),
      blackWhite_(settings.GetBlackWhite()),
      titles_(settings.GetTitles()),
      enlarge_(settings.GetEnlargeSaverPics()),
      imageDelay_(settings.GetImageDelay()),
      timeoutMinutes_(system.ScreenSaverTimeout() / 60),
      shownTimeoutMinutes_(timeoutMinutes_),
      random_(settings.GetRandom()),
      tile_(settings.GetTileSaverPics()),
      systemSaver_(settings.GetLumishowIsScreenSaver()),
      useSound_(settings.GetUseSoundEffects()) {}

BOOL CDisplaySettingsPage::OnInitDialog() {
  SetSpinRange(hwnd_, IDC_DISPLAY_IMAGE_DELAY_SPIN, kMinImageDelay, kMaxImageDelay);
  SetSpinRange(hwnd_, IDC_DISPLAY_SAVER_MINUTES_SPIN, kMinTimeoutMinutes, kMaxTimeoutMinutes);
  ShowValues();
  return TRUE;
}

void CDisplaySettingsPage::ShowValues() {
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_BLACK_WHITE, blackWhite_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_TITLES, titles_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_ENLARGE, enlarge_);
  zeb::SetItemInt(hwnd_, IDC_DISPLAY_IMAGE_DELAY, imageDelay_);
  zeb::SetItemInt(hwnd_, IDC_DISPLAY_SAVER_MINUTES, timeoutMinutes_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_RANDOM, random_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_TILE, tile_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_SYSTEM_SAVER, systemSaver_);
  zeb::SetItemChecked(hwnd_, IDC_DISPLAY_USE_SOUND, useSound_);
}

bool CDisplaySettingsPage::OnKillActive() { return TakeValues(); }

// The fields in the order the user is told about them: the display time's
// complaint comes before the time-out's.
bool CDisplaySettingsPage::TakeValues() {
  blackWhite_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_BLACK_WHITE);
  titles_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_TITLES);
  enlarge_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_ENLARGE);
  const auto delay =
      zeb::ReadItemInt(hwnd_, IDC_DISPLAY_IMAGE_DELAY, kMinImageDelay, kMaxImageDelay);
  if (!delay) return false;
  imageDelay_ = *delay;
  const auto minutes =
      zeb::ReadItemInt(hwnd_, IDC_DISPLAY_SAVER_MINUTES, kMinTimeoutMinutes, kMaxTimeoutMinutes);
  if (!minutes) return false;
  timeoutMinutes_ = *minutes;
  random_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_RANDOM);
  tile_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_TILE);
  systemSaver_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_SYSTEM_SAVER);
  useSound_ = zeb::ItemChecked(hwnd_, IDC_DISPLAY_USE_SOUND);
  return true;
}

void CDisplaySettingsPage::OnApply() {
  settings_.SetBlackWhite(blackWhite_);
  settings_.SetTitles(titles_);
  settings_.SetEnlargeSaverPics(enlarge_);
  settings_.SetImageDelay(imageDelay_);
  // The field shows whole minutes: written back unchanged, a time-out of 90
  // seconds would become 60 although the user never touched it.
  if (timeoutMinutes_ != shownTimeoutMinutes_) system_.SetScreenSaverTimeout(timeoutMinutes_ * 60);
  settings_.SetRandom(random_);
  settings_.SetTileSaverPics(tile_);
  // The store registers or unregisters the saver with the system, and
  // stops the music at once when sound is switched off.
  settings_.SetLumishowIsScreenSaver(systemSaver_);
  settings_.SetUseSoundEffects(useSound_);
}

}  // namespace lumi
