#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>

#include "slideshow/engine/pipeline/DesktopSettings.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/slideshow/pipeline/PipelineFixture.h"
#include "tests/support/Process.h"

namespace lumi {
namespace {

std::string Profile(const char* file, const char* section, const char* key) {
  char value[512] = {};
  GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, file);
  return value;
}

void PutProfile(const char* file, const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(section, key, value, file);
}

std::string Desktop(const char* key) { return Profile("win.ini", "Desktop", key); }
std::string SystemSaver() { return Profile("system.ini", "boot", "scrnsave.exe"); }

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string OwnShortPath() {
  char longPath[MAX_PATH] = {}, shortPath[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, longPath, MAX_PATH);
  if (GetShortPathNameA(longPath, shortPath, MAX_PATH) == 0) return longPath;
  return shortPath;
}

class DesktopSettingsTest : public testing::Test {
 protected:
  test::DesktopKeeper keeper_;
};

// The settings pages read the tile flag and write it back with the rest of
// the desktop values: the wallpaper, style and origin survive, a missing
// wallpaper is written as "(none)", and any stored value above 1 reads as on.
TEST_F(DesktopSettingsTest, TileFlagRoundTripKeepsTheOtherDesktopValues) {
  PutProfile("win.ini", "Desktop", "Wallpaper", "C:\\holiday.bmp");
  PutProfile("win.ini", "Desktop", "WallpaperStyle", "2");
  PutProfile("win.ini", "Desktop", "WallpaperOriginY", "-4");
  PutProfile("win.ini", "Desktop", "TileWallpaper", "0");
  EXPECT_FALSE(CDesktopSettings::GetTileWallpaper());

  CDesktopSettings::SetTileWallpaper(true);
  EXPECT_TRUE(CDesktopSettings::GetTileWallpaper());
  EXPECT_EQ(Desktop("TileWallpaper"), "1");
  EXPECT_EQ(Desktop("Wallpaper"), "C:\\holiday.bmp");
  EXPECT_EQ(Desktop("WallpaperStyle"), "2");
  EXPECT_EQ(Desktop("WallpaperOriginY"), "-4");

  CDesktopSettings::SetTileWallpaper(false);
  EXPECT_EQ(Desktop("TileWallpaper"), "0");

  PutProfile("win.ini", "Desktop", "TileWallpaper", "5");
  EXPECT_TRUE(CDesktopSettings::GetTileWallpaper());

  // Without a wallpaper key the flag reads as off, even when one is stored.
  PutProfile("win.ini", "Desktop", "Wallpaper", nullptr);
  EXPECT_FALSE(CDesktopSettings::GetTileWallpaper());
  CDesktopSettings::SetTileWallpaper(true);
  EXPECT_EQ(Desktop("Wallpaper"), "(none)");
  EXPECT_EQ(Desktop("WallpaperStyle"), "0");
  EXPECT_EQ(Desktop("TileWallpaper"), "1");
}

// Whatever the desktop showed before (another picture, an empty value, no
// key at all), taking the wallpaper makes it the saver's own and giving it up
// leaves "(none)".
TEST_F(DesktopSettingsTest, OwnWallpaperOnAndOffFromAnyPreviousWallpaper) {
  const std::string own = CDesktopSettings::WallpaperFilePath();
  const char* before[] = {"C:\\other.bmp", "", "(none)", nullptr};
  for (const char* previous : before) {
    PutProfile("win.ini", "Desktop", "Wallpaper", previous);
    CDesktopSettings::SetWallpaperFile(true);
    EXPECT_EQ(Desktop("Wallpaper"), own);
    EXPECT_TRUE(CDesktopSettings::IsOwnWallpaper());

    PutProfile("win.ini", "Desktop", "Wallpaper", previous);
    CDesktopSettings::SetWallpaperFile(false);
    EXPECT_EQ(Desktop("Wallpaper"), "(none)") << (previous ? previous : "no key");
    EXPECT_FALSE(CDesktopSettings::IsOwnWallpaper());
  }
}

// Puts system.ini's saver entry back as it was.
class SystemSaverKeeper {
 public:
  SystemSaverKeeper() : value_(SystemSaver()) {}
  ~SystemSaverKeeper() {
    PutProfile("system.ini", "boot", "scrnsave.exe",
               value_ == "(missing)" ? nullptr : value_.c_str());
  }

 private:
  std::string value_;
};

TEST(InstallAsSystemSaverTest, OnNamesThisSaverAndOffRemovesOnlyThisSaver) {
  SystemSaverKeeper keeper;
  zebtest::TempFolder files;
  CSaverSettings settings(files.File("user.ini"), true);
  CDesktopSettings desktop(settings);
  const std::string own = Lower(OwnShortPath());

  desktop.InstallAsSystemSaver(true);
  EXPECT_EQ(SystemSaver(), own);
  EXPECT_EQ(settings.GetSaverPath(), OwnShortPath());

  // The name stored in another case is still this saver's.
  std::string upper = own;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  PutProfile("system.ini", "boot", "scrnsave.exe", upper.c_str());
  desktop.InstallAsSystemSaver(false);
  EXPECT_EQ(SystemSaver(), "none");

  // Another saver installed since stays the system's saver.
  const char* others[] = {"c:\\windows\\other.scr", "", nullptr};
  for (const char* other : others) {
    PutProfile("system.ini", "boot", "scrnsave.exe", other);
    const std::string stored = SystemSaver();
    desktop.InstallAsSystemSaver(false);
    EXPECT_EQ(SystemSaver(), stored) << (other ? other : "no key");
  }
}

TEST(ScreenSaveTimeoutTest, SecondsRoundTrip) {
  const int before = CDesktopSettings::GetScreenSaveTimeout();
  for (const int seconds : {90, 60, 7200}) {
    CDesktopSettings::SetScreenSaveTimeout(seconds);
    EXPECT_EQ(CDesktopSettings::GetScreenSaveTimeout(), seconds);
  }
  CDesktopSettings::SetScreenSaveTimeout(before);
}

}  // namespace
}  // namespace lumi
