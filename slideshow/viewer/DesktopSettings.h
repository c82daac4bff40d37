#pragma once
// CDesktopSettings: the saver's side of the desktop settings. For now it
// makes this saver the system's screen saver, or stops being it; the
// wallpaper work joins it with the viewer.
#include <string>

namespace lumi {

class CSaverSettings;

class CDesktopSettings {
 public:
  explicit CDesktopSettings(CSaverSettings& settings) : settings_(settings) {}
  // On: system.ini [boot] "scrnsave.exe" names this saver (short path, lower
  // case) and the screen saver is switched on. Off: only if this saver is
  // the one named there, "none" is written instead.
  void InstallAsSystemSaver(bool on);

 private:
  CSaverSettings& settings_;
};

}  // namespace lumi
