// The sheet over the running system's desktop (the test's own Wine prefix):
// the wallpaper and the screen-saver time-out as win.ini and the system keep
// them, and pictures of each page for looking at.
#include <cctype>
#include <string>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "slideshow/viewer/settings/DisplaySettingsPageIds.h"
#include "slideshow/viewer/settings/SheetSystem.h"
#include "slideshow/viewer/settings/WallpaperSettingsPageIds.h"
#include "tests/slideshow/settingssheet/SheetFixture.h"
#include "tests/support/Process.h"

namespace lumi::test {
namespace {

constexpr int kWallpaperTab = 1;

std::string DesktopWallpaperKey() {
  char text[512] = {};
  GetProfileStringA("Desktop", "Wallpaper", "absent", text, sizeof text);
  return text;
}

// Puts the desktop's wallpaper and time-out back as they were.
class DesktopSheetTest : public SheetFixture {
 protected:
  DesktopSheetTest() : wallpaper_(DesktopWallpaperKey()) {
    SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &timeout_, 0);
  }
  ~DesktopSheetTest() override {
    WriteProfileStringA("Desktop", "Wallpaper",
                        wallpaper_ == "absent" ? nullptr : wallpaper_.c_str());
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(timeout_), nullptr,
                          SPIF_UPDATEINIFILE);
  }
  INT_PTR RunOnDesktop(const std::function<void(SheetUser&)>& act) {
    CSettingsSheet sheet(GetModuleHandleA(nullptr), settings_, GetDesktopSheetSystem());
    return RunSheet(sheet, act);
  }

 private:
  std::string wallpaper_;
  int timeout_ = 0;
};

TEST_F(DesktopSheetTest, UntickedWallpaperRemovesOnlyTheSaversOwn) {
  std::string lowerOwn = WallpaperFilePath();
  for (char& ch : lowerOwn) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  struct Case {
    std::string before;
    bool shownTicked;
    std::string after;
  };
  const Case cases[] = {
      {"C:\\Users\\Public\\beach.bmp", false, "C:\\Users\\Public\\beach.bmp"},
      {lowerOwn, true, "(none)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    WriteProfileStringA("Desktop", "Wallpaper", c.before.c_str());
    bool ticked = !c.shownTicked;
    RunOnDesktop([&](SheetUser& user) {
      user.Select(kWallpaperTab);
      ticked = user.Checked(IDC_WALLPAPER_USE);
      if (ticked) user.Click(IDC_WALLPAPER_USE);
      user.PressOk();
    });
    EXPECT_EQ(ticked, c.shownTicked);
    EXPECT_EQ(DesktopWallpaperKey(), c.after);
  }
}

TEST_F(DesktopSheetTest, TimeoutInSecondsSurvivesOkUntouched) {
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, 90, nullptr, SPIF_UPDATEINIFILE));
  std::string shown;
  RunOnDesktop([&](SheetUser& user) {
    shown = user.Text(IDC_DISPLAY_SAVER_MINUTES);
    user.PressOk();
  });
  int seconds = 0;
  SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
  EXPECT_EQ(shown, "1");
  EXPECT_EQ(seconds, 90);
}

// Leaves settings-sheet-<n>.bmp in the test's build folder, one per tab.
TEST_F(DesktopSheetTest, PicturesOfEachPage) {
  int saved = 0;
  RunOnDesktop([&](SheetUser& user) {
    for (int tab = 0; tab < 3; ++tab) {
      user.Select(tab);
      if (user.SavePicture(zebtest::WindowsPath(SHEET_PICTURE_DIR) + "\\settings-sheet-" +
                           std::to_string(tab) + ".bmp"))
        ++saved;
    }
  });
  EXPECT_EQ(saved, 3);
}

}  // namespace
}  // namespace lumi::test
