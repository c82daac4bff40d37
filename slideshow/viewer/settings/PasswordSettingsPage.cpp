#include "slideshow/viewer/settings/PasswordSettingsPage.h"

#include "common/DialogData.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/settings/PasswordSettingsPageIds.h"

namespace lumi {

CPasswordSettingsPage::CPasswordSettingsPage(HINSTANCE instance, CSaverSettings& settings)
    : PropertyPage(instance, IDD_PASSWORD_SETTINGS),
      settings_(settings),
      password_(settings.IsPasswordInUse() ? settings.GetPassword() : std::string()),
      inUse_(settings.IsPasswordInUse()) {}

BOOL CPasswordSettingsPage::OnInitDialog() {
  zeb::SetItemText(hwnd_, IDC_PASSWORD_TEXT, password_);
  zeb::SetItemChecked(hwnd_, IDC_PASSWORD_IN_USE, inUse_);
  EnablePasswordField();
  return TRUE;
}

bool CPasswordSettingsPage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && LOWORD(wParam) == IDC_PASSWORD_IN_USE && HIWORD(wParam) == BN_CLICKED) {
    EnablePasswordField();
    return true;
  }
  return PropertyPage::HandleMessage(msg, wParam, lParam);
}

void CPasswordSettingsPage::EnablePasswordField() {
  EnableWindow(GetDlgItem(hwnd_, IDC_PASSWORD_TEXT), zeb::ItemChecked(hwnd_, IDC_PASSWORD_IN_USE));
}

bool CPasswordSettingsPage::OnKillActive() {
  password_ = zeb::ItemText(hwnd_, IDC_PASSWORD_TEXT);
  inUse_ = zeb::ItemChecked(hwnd_, IDC_PASSWORD_IN_USE);
  return true;
}

void CPasswordSettingsPage::OnApply() {
  settings_.SetPasswordInUse(inUse_);
  // Protection without a password guards nothing: the store turns it off
  // again when the text is empty.
  settings_.SetPassword(password_);
}

}  // namespace lumi
