#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "slideshow/engine/EngineVersion.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/AboutBoxDlg.h"
#include "slideshow/viewer/AboutBoxDlgIds.h"
#include "tests/slideshow/dialogs/DialogDriver.h"
#include "tests/slideshow/settings/TestFiles.h"

namespace lumi {
namespace {

struct Seen {
  std::string caption, title, copyright, version, text;
  bool icon = false;
};

// Runs the about box of a saver whose package settings file holds these
// lines and reads what it shows.
Seen RunAboutBox(const std::string& packageSettings, const std::string& expectedCaption) {
  test::TempFolder folder;
  test::FakePackage package(folder);
  CSaverSettings settings(folder.Path("user.ini"), true);
  settings.SetPackageSettingsFile(folder.Write("[General_Settings]\n" + packageSettings), package);
  Seen seen;
  test::DialogDriver user(expectedCaption, [&](HWND box) {
    seen.caption = test::WindowText(box);
    seen.title = test::ItemText(box, IDC_ABOUT_TITLE);
    seen.copyright = test::ItemText(box, IDC_ABOUT_COPYRIGHT);
    seen.version = test::ItemText(box, IDC_ABOUT_VERSION);
    seen.text = test::ItemText(box, IDC_ABOUT_TEXT);
    // The one icon control is the only child without an id of its own.
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
          SendMessageA(c, STM_GETICON, 0, 0)) {
        seen.icon = true;
      }
    }
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  CAboutBoxDlg about(GetModuleHandleA(nullptr), settings);
  EXPECT_EQ(about.DoModal(nullptr), IDOK);
  EXPECT_TRUE(user.Found()) << "no about box captioned " << expectedCaption;
  return seen;
}

TEST(AboutBox, ShowsTheSaversTextsAndTheProgramsVersion) {
  const Seen seen = RunAboutBox(
      "Title=Harbour & Hills\nCopyright=(c) 2024 R. Author, 100% hers\nAboutBoxText=Hello|World\n",
      "Harbour & Hills");
  EXPECT_EQ(seen.caption, "Harbour & Hills");
  EXPECT_EQ(seen.title, "Harbour & Hills");
  EXPECT_EQ(seen.copyright, "(c) 2024 R. Author, 100% hers");
  // The test program's own version resource says 3.1.4.1592.
  EXPECT_EQ(seen.version, "Screen Saver Engine Version 3.1.4.1592");
  EXPECT_EQ(seen.text, "Hello\r\nWorld");
  EXPECT_TRUE(seen.icon) << "the program's icon";
}

TEST(AboutBox, WithoutItsOwnTextTheBoxKeepsItsDefaults) {
  const Seen seen = RunAboutBox("Title=Plain Saver\n", "Plain Saver");
  EXPECT_EQ(seen.copyright, "Copyright (c) Corvane. All rights reserved.");
  EXPECT_FALSE(seen.text.empty());
  EXPECT_EQ(seen.text.find('|'), std::string::npos);
}

TEST(EngineVersionTest, AFileWithoutAVersionResourceHasNone) {
  test::TempFolder folder;
  EngineVersion version;
  version.text = "kept";
  EXPECT_FALSE(ReadFileVersion(folder.Write("no version here"), version));
  EXPECT_FALSE(ReadFileVersion(folder.Path("missing.exe"), version));
  EXPECT_EQ(version.text, "kept");
  ASSERT_TRUE(ReadFileVersion(ModulePath(nullptr), version));
  EXPECT_EQ(version.text, "3.1.4.1592");
  EXPECT_EQ(version.major, 3);
  EXPECT_EQ(version.revision, 1592);
}

}  // namespace
}  // namespace lumi
