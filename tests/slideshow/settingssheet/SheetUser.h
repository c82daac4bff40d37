#pragma once
// Plays the user of the settings sheet from another thread while the sheet
// runs modally on the test's thread, and a desktop that records what the
// sheet would change on it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "slideshow/viewer/settings/SheetSystem.h"

namespace lumi {
class CSettingsSheet;
}

namespace lumi::test {

class FakeSheetSystem final : public SheetSystem {
 public:
  int timeout = 600;
  bool own = false;
  bool tiled = false;
  std::vector<std::string> changes;  // "timeout 180", "tile 1", "wallpaper 0"

  int ScreenSaverTimeout() const override { return timeout; }
  void SetScreenSaverTimeout(int seconds) override {
    timeout = seconds;
    changes.push_back("timeout " + std::to_string(seconds));
  }
  bool IsOwnWallpaper() const override { return own; }
  bool WallpaperTiled() const override { return tiled; }
  void SetWallpaperTiled(bool tile) override {
    tiled = tile;
    changes.push_back(std::string("tile ") + (tile ? "1" : "0"));
  }
  void SetWallpaperFile(bool use) override {
    own = use;
    changes.push_back(std::string("wallpaper ") + (use ? "1" : "0"));
  }
};

class SheetUser {
 public:
  explicit SheetUser(HWND sheet) : sheet_(sheet) {}
  HWND Sheet() const { return sheet_; }
  HWND Page() const;
  std::vector<std::string> TabTitles() const;

  // Each waits until the sheet has acted, or shows a message box.
  void Select(int tab);
  void PressOk();
  void PressCancel();

  // The controls of the page in front.
  HWND Item(int id) const { return GetDlgItem(Page(), id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  bool Checked(int id) const;
  void Click(int id);
  // The selected entry of a drop-down list, or empty.
  std::string Selected(int id) const;

  // The text of the message box the sheet shows (empty when none), which is
  // then closed with OK.
  std::string TakeMessage();
  // The window with the keyboard focus in the sheet's thread.
  HWND Focus() const;
  // Leaves a bitmap of the sheet as the screen shows it.
  bool SavePicture(const std::string& path) const;
  bool Closed() const { return !IsWindow(sheet_); }

 private:
  HWND MessageBoxWindow() const;
  void WaitFor(const std::function<bool()>& done) const;

  HWND sheet_;
};

// Runs the sheet while `act` plays its user; a sheet the user leaves open is
// cancelled. Returns the sheet's result; found tells whether it ever came.
INT_PTR RunSheet(CSettingsSheet& sheet, const std::function<void(SheetUser&)>& act,
                 bool* found = nullptr);

}  // namespace lumi::test
