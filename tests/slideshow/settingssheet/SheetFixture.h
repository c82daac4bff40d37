#pragma once
// A settings store over scratch files, a recorded desktop and the sheet's
// user, shared by the sheet's test programs.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/settings/SettingsSheet.h"
#include "tests/slideshow/settingssheet/SheetUser.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi::test {

class SheetFixture : public ::testing::Test {
 protected:
  // The store and the sheet ask the system for its family, as the program
  // does: Wine reports the 9x family to a test program set up for it.
  SheetFixture() : package_(folder_), settings_(folder_.Path("user.ini"), IsNtFamily()) {
    settings_.SetSystemSaverInstaller([this](bool on) { installs += on ? "1" : "0"; });
    settings_.SetSoundStopper([this] { ++soundStops; });
  }

  // The author's settings file of the saver, as these lines of section
  // "General_Settings".
  void SetPackageSettings(const std::string& lines) {
    settings_.SetPackageSettingsFile(folder_.Write("[General_Settings]\n" + lines), package_);
  }

  // The user file's value, or "absent".
  std::string Stored(const char* section, const char* key) const {
    char text[512] = {};
    GetPrivateProfileStringA(section, key, "absent", text, sizeof text,
                             folder_.Path("user.ini").c_str());
    return text;
  }
  std::string UserFileText() const {
    std::ifstream in(folder_.Path("user.ini"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Store(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), folder_.Path("user.ini").c_str());
  }

  // Makes a sheet now (the pages read their values) and runs it with `act`
  // as its user.
  INT_PTR Run(const std::function<void(SheetUser&)>& act) {
    CSettingsSheet sheet(GetModuleHandleA(nullptr), settings_, system);
    bool found = false;
    const INT_PTR result = RunSheet(sheet, act, &found);
    EXPECT_TRUE(found) << "the sheet never showed";
    return result;
  }

  TempFolder folder_;
  FakePackage package_;
  CSaverSettings settings_;
  FakeSheetSystem system;
  std::string installs;  // one digit per registration
  int soundStops = 0;
};

}  // namespace lumi::test
