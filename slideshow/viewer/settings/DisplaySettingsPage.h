#pragma once
// The "Screen Saver" page: how the slideshow runs (display time, order,
// fitting, titles, black and white, sound), whether this saver is the
// system's screen saver, and the system's screen-saver time-out.
#include "common/PropertyPage.h"

namespace lumi {

class CSaverSettings;
class SheetSystem;

class CDisplaySettingsPage final : public zeb::PropertyPage {
 public:
  // The display time the page accepts, in seconds: the store keeps no more
  // than 300, so a larger entry would be cut down without a word.
  static constexpr int kMinImageDelay = 10;
  static constexpr int kMaxImageDelay = 300;
  static constexpr int kMinTimeoutMinutes = 1;
  static constexpr int kMaxTimeoutMinutes = 120;

  // Reads the values.
  CDisplaySettingsPage(HINSTANCE instance, CSaverSettings& settings, SheetSystem& system);

 protected:
  BOOL OnInitDialog() override;
  bool OnKillActive() override;
  void OnApply() override;

 private:
  void ShowValues();
  bool TakeValues();

  CSaverSettings& settings_;
  SheetSystem& system_;
  int blackWhite_;
  int titles_;
  int enlarge_;
  int imageDelay_;
  int timeoutMinutes_;
  int shownTimeoutMinutes_;
  int random_;
  int tile_;
  int systemSaver_;
  int useSound_;
};

}  // namespace lumi
