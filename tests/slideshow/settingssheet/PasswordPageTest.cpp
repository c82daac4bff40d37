// The sheet on the Windows 9x family, where the saver keeps a password of
// its own: the "Password" page and what its OK leaves in the user file.
#include <string>
#include <vector>

#include "slideshow/viewer/settings/PasswordSettingsPageIds.h"
#include "tests/slideshow/settingssheet/SheetFixture.h"
#include "tests/support/Process.h"

namespace lumi::test {
namespace {

using Strings = std::vector<std::string>;
constexpr int kPasswordTab = 2;

class PasswordPageTest : public SheetFixture {};

TEST_F(PasswordPageTest, NineXFamilySheetHasAPasswordTab) {
  ASSERT_FALSE(IsNtFamily()) << "this program must run as the 9x family (Wine AppDefaults)";
  Strings tabs;
  Run([&](SheetUser& user) { tabs = user.TabTitles(); });
  EXPECT_EQ(tabs, (Strings{"Screen Saver", "Wallpaper", "Password", "Effects"}));
}

TEST_F(PasswordPageTest, PasswordFieldIsOpenExactlyWhileProtectionIsTicked) {
  Store("Password", "InUse", "0");
  Store("Password", "Password", "kept aside");
  std::string shownText;
  bool enabledAtFirst = true, enabledAfterTick = false, enabledAfterUntick = true;
  Run([&](SheetUser& user) {
    user.Select(kPasswordTab);
    shownText = user.Text(IDC_PASSWORD_TEXT);
    enabledAtFirst = IsWindowEnabled(user.Item(IDC_PASSWORD_TEXT));
    user.Click(IDC_PASSWORD_IN_USE);
    enabledAfterTick = IsWindowEnabled(user.Item(IDC_PASSWORD_TEXT));
    user.Click(IDC_PASSWORD_IN_USE);
    enabledAfterUntick = IsWindowEnabled(user.Item(IDC_PASSWORD_TEXT));
  });
  EXPECT_EQ(shownText, "") << "a password not in use is not shown";
  EXPECT_FALSE(enabledAtFirst);
  EXPECT_TRUE(enabledAfterTick);
  EXPECT_FALSE(enabledAfterUntick);
}

TEST_F(PasswordPageTest, OkStoresProtectionOnlyWithAPassword) {
  struct Case {
    const char* typed;
    const char* inUse;
    const char* password;
  };
  const Case cases[] = {
      {"", "0", ""},  // protection without a password guards nothing
      {"open sesame", "1", "open sesame"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Store("Password", "InUse", "0");
    Store("Password", "Password", "old");
    const INT_PTR result = Run([&](SheetUser& user) {
      user.Select(kPasswordTab);
      user.Click(IDC_PASSWORD_IN_USE);
      user.SetText(IDC_PASSWORD_TEXT, c.typed);
      user.PressOk();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Stored("Password", "InUse"), c.inUse);
    EXPECT_EQ(Stored("Password", "Password"), c.password);
  }
}

TEST_F(PasswordPageTest, StoredPasswordInUseIsShownMasked) {
  Store("Password", "InUse", "1");
  Store("Password", "Password", "hunter");
  std::string shown;
  LONG style = 0;
  Run([&](SheetUser& user) {
    user.Select(kPasswordTab);
    shown = user.Text(IDC_PASSWORD_TEXT);
    style = GetWindowLongA(user.Item(IDC_PASSWORD_TEXT), GWL_STYLE);
  });
  EXPECT_EQ(shown, "hunter");
  EXPECT_TRUE(style & ES_PASSWORD);
}

// Leaves settings-sheet-password.bmp in the test's build folder.
TEST_F(PasswordPageTest, PictureOfThePasswordPage) {
  Store("Password", "InUse", "1");
  Store("Password", "Password", "hunter");
  bool saved = false;
  Run([&](SheetUser& user) {
    user.Select(kPasswordTab);
    saved =
        user.SavePicture(zebtest::WindowsPath(SHEET_PICTURE_DIR) + "\\settings-sheet-password.bmp");
  });
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace lumi::test
