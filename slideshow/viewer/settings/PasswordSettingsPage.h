#pragma once
// The "Password" page: the saver's own password, which the running saver asks
// for before it closes. Only the Windows 9x family uses it; on the NT family
// the system's own screen-saver password applies and the sheet leaves this
// page out.
#include <string>

#include "common/PropertyPage.h"

namespace lumi {

class CSaverSettings;

class CPasswordSettingsPage final : public zeb::PropertyPage {
 public:
  // Reads the values: the password only while protection is on.
  CPasswordSettingsPage(HINSTANCE instance, CSaverSettings& settings);

 protected:
  BOOL OnInitDialog() override;
  bool OnKillActive() override;
  void OnApply() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  // The password can be typed exactly while protection is ticked.
  void EnablePasswordField();

  CSaverSettings& settings_;
  std::string password_;
  int inUse_;
};

}  // namespace lumi
