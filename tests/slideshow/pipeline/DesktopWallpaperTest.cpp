#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "tests/slideshow/pipeline/PipelineFixture.h"

namespace lumi {
namespace {

std::string WinIni(const char* key) {
  char value[512] = {};
  GetPrivateProfileStringA("Desktop", key, "(missing)", value, sizeof value, "win.ini");
  return value;
}

class DesktopWallpaperTest : public testing::Test {
 protected:
  test::DesktopKeeper keeper_;
};

TEST_F(DesktopWallpaperTest, FileLivesInTheWindowsFolder) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  EXPECT_EQ(WallpaperFilePath(), std::string(folder) + "\\lumishow.bmp");
}

TEST_F(DesktopWallpaperTest, SetAndClearKeepTheDesktopsOwnValues) {
  WritePrivateProfileStringA("Desktop", "TileWallpaper", "1", "win.ini");
  WritePrivateProfileStringA("Desktop", "WallpaperStyle", "2", "win.ini");
  WritePrivateProfileStringA("Desktop", "WallpaperOriginX", "7", "win.ini");
  SetWallpaperFile(true);
  EXPECT_TRUE(IsOwnWallpaper());
  EXPECT_EQ(WinIni("Wallpaper"), WallpaperFilePath());
  EXPECT_EQ(WinIni("TileWallpaper"), "1");
  EXPECT_EQ(WinIni("WallpaperStyle"), "2");
  EXPECT_EQ(WinIni("WallpaperOriginX"), "7");

  SetWallpaperFile("C:\\other.bmp", true);
  EXPECT_FALSE(IsOwnWallpaper());
  EXPECT_EQ(WinIni("Wallpaper"), "C:\\other.bmp");

  SetWallpaperFile(false);
  EXPECT_FALSE(IsOwnWallpaper());
  EXPECT_EQ(WinIni("Wallpaper"), "(none)");
  EXPECT_EQ(WinIni("TileWallpaper"), "1");
}

TEST_F(DesktopWallpaperTest, OwnWallpaperIsRecognisedInAnyCase) {
  std::string lower = WallpaperFilePath();
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  WritePrivateProfileStringA("Desktop", "Wallpaper", lower.c_str(), "win.ini");
  EXPECT_TRUE(IsOwnWallpaper());
  WritePrivateProfileStringA("Desktop", "Wallpaper", "C:\\other.bmp", "win.ini");
  EXPECT_FALSE(IsOwnWallpaper());

  // No key at all reads as the reset values.
  WritePrivateProfileStringA("Desktop", "Wallpaper", nullptr, "win.ini");
  EXPECT_FALSE(IsOwnWallpaper());
  DesktopWallpaper values;
  values.style = 5;
  EXPECT_FALSE(ReadDesktopWallpaper(values));
  EXPECT_EQ(values.wallpaper, "(none)");
  EXPECT_EQ(values.style, 0);
}

}  // namespace
}  // namespace lumi
