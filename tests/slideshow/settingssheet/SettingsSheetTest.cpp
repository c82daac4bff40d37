// The settings sheet as its user meets it on the NT family: what each page
// shows, what it refuses, and what OK and Cancel leave in the user file and
// on the desktop.
#include <algorithm>
#include <string>
#include <vector>

#include "slideshow/viewer/settings/DisplaySettingsPageIds.h"
#include "slideshow/viewer/settings/EffectsPageIds.h"
#include "slideshow/viewer/settings/WallpaperSettingsPageIds.h"
#include "tests/slideshow/settingssheet/SheetFixture.h"

namespace lumi::test {
namespace {

using Strings = std::vector<std::string>;
constexpr int kScreenSaverTab = 0, kWallpaperTab = 1, kEffectsTab = 2;

class SettingsSheetTest : public SheetFixture {};

TEST_F(SettingsSheetTest, HasThreeTabsAndOnlyOkAndCancel) {
  Strings tabs;
  bool applyOrHelp = true;
  Run([&](SheetUser& user) {
    tabs = user.TabTitles();
    const HWND apply = GetDlgItem(user.Sheet(), 0x3021), help = GetDlgItem(user.Sheet(), IDHELP);
    applyOrHelp = (apply && IsWindowVisible(apply)) || (help && IsWindowVisible(help));
  });
  EXPECT_EQ(tabs, (Strings{"Screen Saver", "Wallpaper", "Effects"}));
  EXPECT_FALSE(applyOrHelp);
}

TEST_F(SettingsSheetTest, ScreenSaverPageShowsTheStoredValues) {
  SetPackageSettings("Display_Order=Normal Order\nShow_Captions=1\nTile_Image=0\n");
  Store("General", "ImageDelay", "400");  // read as the store's limit
  Store("General", "UseSoundEffects", "0");
  system.timeout = 90;
  std::string delay, minutes, delayUp, minutesUp;
  Strings ticked;
  Run([&](SheetUser& user) {
    delay = user.Text(IDC_DISPLAY_IMAGE_DELAY);
    minutes = user.Text(IDC_DISPLAY_SAVER_MINUTES);
    const std::pair<int, const char*> boxes[] = {{IDC_DISPLAY_SYSTEM_SAVER, "system saver"},
                                                 {IDC_DISPLAY_ENLARGE, "enlarge"},
                                                 {IDC_DISPLAY_TILE, "tile"},
                                                 {IDC_DISPLAY_RANDOM, "random"},
                                                 {IDC_DISPLAY_TITLES, "titles"},
                                                 {IDC_DISPLAY_BLACK_WHITE, "black and white"},
                                                 {IDC_DISPLAY_USE_SOUND, "sound"}};
    for (const auto& [id, name] : boxes)
      if (user.Checked(id)) ticked.push_back(name);
    // The arrow keys count up within the field's own limits.
    SendMessageA(user.Item(IDC_DISPLAY_SAVER_MINUTES), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(user.Item(IDC_DISPLAY_IMAGE_DELAY), WM_KEYDOWN, VK_UP, 0);
    minutesUp = user.Text(IDC_DISPLAY_SAVER_MINUTES);
    delayUp = user.Text(IDC_DISPLAY_IMAGE_DELAY);
  });
  EXPECT_EQ(delay, "300");
  EXPECT_EQ(minutes, "1") << "90 seconds in whole minutes";
  EXPECT_EQ(ticked, (Strings{"system saver", "enlarge", "titles"}));
  EXPECT_EQ(minutesUp, "2");
  EXPECT_EQ(delayUp, "300") << "no further than the page accepts";
}

TEST_F(SettingsSheetTest, NumberFieldsRefuseWhatTheyCannotKeep) {
  struct Case {
    const char* delay;
    const char* minutes;
    const char* message;
    int focused;
  };
  const Case cases[] = {
      {"7", "10", "Please enter an integer between 10 and 300.", IDC_DISPLAY_IMAGE_DELAY},
      // The store keeps no more than 300: 400 would be cut down unseen.
      {"400", "10", "Please enter an integer between 10 and 300.", IDC_DISPLAY_IMAGE_DELAY},
      {"ten", "10", "Please enter an integer.", IDC_DISPLAY_IMAGE_DELAY},
      {"20", "0", "Please enter an integer between 1 and 120.", IDC_DISPLAY_SAVER_MINUTES},
      {"20", "121", "Please enter an integer between 1 and 120.", IDC_DISPLAY_SAVER_MINUTES},
      // Both wrong: the display time is the first the user hears of.
      {"5", "x", "Please enter an integer between 10 and 300.", IDC_DISPLAY_IMAGE_DELAY},
  };
  struct Seen {
    std::string message, onSwitch;
    bool stillOpen = false, focused = false, selectedAll = false;
  };
  std::vector<Seen> seen;
  // One sheet for all: each refusal keeps it open for the next entry.
  const INT_PTR result = Run([&](SheetUser& user) {
    for (const Case& c : cases) {
      Seen s;
      user.SetText(IDC_DISPLAY_IMAGE_DELAY, c.delay);
      user.SetText(IDC_DISPLAY_SAVER_MINUTES, c.minutes);
      user.PressOk();
      s.message = user.TakeMessage();
      s.stillOpen = !user.Closed();
      s.focused = user.Focus() == user.Item(c.focused);
      DWORD start = 1, end = 0;
      SendMessageA(user.Item(c.focused), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      s.selectedAll = start == 0 && end == user.Text(c.focused).size();
      // Leaving the page for another tab is refused the same way (once:
      // every message box costs Wine seconds to take down).
      if (seen.empty()) {
        user.Select(kEffectsTab);
        s.onSwitch = user.TakeMessage();
      }
      seen.push_back(s);
    }
    user.PressCancel();
  });
  ASSERT_EQ(seen.size(), std::size(cases));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(std::string(c.delay) + " seconds, " + c.minutes + " minutes");
    EXPECT_EQ(seen[i].message, c.message);
    if (i == 0) {
      EXPECT_EQ(seen[i].onSwitch, c.message);
    }
    EXPECT_TRUE(seen[i].stillOpen);
    EXPECT_TRUE(seen[i].focused) << "the offending field has the focus";
    EXPECT_TRUE(seen[i].selectedAll) << "with its text selected";
  }
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(Stored("General", "ImageDelay"), "absent");
  EXPECT_TRUE(system.changes.empty());
}

TEST_F(SettingsSheetTest, OkWritesTheScreenSaverPageInOrderWithItsSideEffects) {
  system.timeout = 600;
  const INT_PTR result = Run([&](SheetUser& user) {
    user.SetText(IDC_DISPLAY_IMAGE_DELAY, " 45 ");
    user.SetText(IDC_DISPLAY_SAVER_MINUTES, "3");
    user.Click(IDC_DISPLAY_BLACK_WHITE);
    user.Click(IDC_DISPLAY_RANDOM);
    user.Click(IDC_DISPLAY_SYSTEM_SAVER);
    user.Click(IDC_DISPLAY_USE_SOUND);
    user.PressOk();
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(Stored("General", "ImageDelay"), "45");
  EXPECT_EQ(Stored("General", "BlackWhite"), "1");
  EXPECT_EQ(Stored("General", "Titles"), "0");
  EXPECT_EQ(Stored("General", "EnlargeSaverPics"), "1");
  EXPECT_EQ(Stored("General", "Random"), "0");
  EXPECT_EQ(Stored("General", "TileSaverPics"), "1");
  EXPECT_EQ(Stored("General", "LumishowIsScreenSaver"), "0");
  EXPECT_EQ(Stored("General", "UseSoundEffects"), "0");
  EXPECT_EQ(system.changes, (Strings{"timeout 180"}));
  EXPECT_EQ(installs, "0") << "unregistered as the system's saver";
  EXPECT_EQ(soundStops, 1) << "the music stops at once";
}

TEST_F(SettingsSheetTest, TimeoutTheUserLeavesAloneKeepsItsSeconds) {
  system.timeout = 90;
  EXPECT_EQ(Run([](SheetUser& user) { user.PressOk(); }), IDOK);
  EXPECT_TRUE(system.changes.empty()) << "90 seconds are not rounded down to a minute";
  EXPECT_EQ(system.timeout, 90);
  // Typing another number of minutes does set it.
  Run([](SheetUser& user) {
    user.SetText(IDC_DISPLAY_SAVER_MINUTES, "2");
    user.PressOk();
  });
  EXPECT_EQ(system.changes, (Strings{"timeout 120"}));
}

TEST_F(SettingsSheetTest, OkWritesOnlyThePagesThatWereShown) {
  system.own = true;
  const INT_PTR result = Run([](SheetUser& user) {
    user.Select(kEffectsTab);
    user.PressOk();
  });
  EXPECT_EQ(result, IDOK);
  // The first page is shown when the sheet opens.
  EXPECT_EQ(Stored("General", "ImageDelay"), "15");
  EXPECT_EQ(Stored("Effects", "EffectSpeed"), "1");
  EXPECT_EQ(Stored("Effects", "Rain Drops"), "1");
  EXPECT_EQ(Stored("Wallpaper", "Cycle"), "absent");
  EXPECT_EQ(Stored("Wallpaper", "LastYear"), "absent");
  EXPECT_EQ(Stored("Password", "InUse"), "absent");
  EXPECT_TRUE(system.changes.empty()) << "the desktop is left as it was";
}

TEST_F(SettingsSheetTest, CancelWritesNothing) {
  const INT_PTR result = Run([](SheetUser& user) {
    user.SetText(IDC_DISPLAY_IMAGE_DELAY, "60");
    user.Select(kWallpaperTab);
    user.Click(IDC_WALLPAPER_USE);
    user.Select(kEffectsTab);
    user.PressCancel();
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(GetFileAttributesA(folder_.Path("user.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(system.changes.empty());
  EXPECT_TRUE(installs.empty());
}

struct WallpaperCase {
  const char* name;
  bool own;
  bool click;  // turns "Use Wallpaper on Desktop" over
  Strings changes;
};

TEST_F(SettingsSheetTest, WallpaperPageOkSetsTheScheduleTileAndWallpaper) {
  const WallpaperCase cases[] = {
      {"own wallpaper kept", true, false, {"tile 1", "wallpaper 1"}},
      {"own wallpaper removed", true, true, {"tile 1", "wallpaper 0"}},
      {"saver's wallpaper chosen", false, true, {"tile 1", "wallpaper 1"}},
      // A wallpaper the user chose elsewhere is not the saver's to remove;
      // it is applied again so that the tile flag shows.
      {"foreign wallpaper stays", false, false, {"tile 1", "tile 1"}},
  };
  for (const WallpaperCase& c : cases) {
    SCOPED_TRACE(c.name);
    system = FakeSheetSystem{};
    system.own = c.own;
    Store("Wallpaper", "Cycle", "1");
    Store("Wallpaper", "LastYear", "2024");
    Store("Wallpaper", "BlackAndWhite", "0");
    bool shownUse = !c.own;
    std::string cycle;
    Run([&](SheetUser& user) {
      user.Select(kWallpaperTab);
      shownUse = user.Checked(IDC_WALLPAPER_USE);
      cycle = user.Selected(IDC_WALLPAPER_CYCLE);
      if (c.click) user.Click(IDC_WALLPAPER_USE);
      user.Click(IDC_WALLPAPER_TILE);
      user.Click(IDC_WALLPAPER_BLACK_WHITE);
      SendMessageA(user.Item(IDC_WALLPAPER_CYCLE), CB_SETCURSEL, 3, 0);
      user.PressOk();
    });
    EXPECT_EQ(shownUse, c.own);
    EXPECT_EQ(cycle, "Hour");
    EXPECT_EQ(system.changes, c.changes);
    EXPECT_EQ(Stored("Wallpaper", "Cycle"), "3");
    EXPECT_EQ(Stored("Wallpaper", "BlackAndWhite"), "1");
    EXPECT_EQ(Stored("General", "EnlargeWallpaperPics"), "1");
    // The schedule starts again: the next picture makes a new wallpaper.
    EXPECT_EQ(Stored("Wallpaper", "LastYear") + Stored("Wallpaper", "LastMonth") +
                  Stored("Wallpaper", "LastDay") + Stored("Wallpaper", "LastHour"),
              "1990111");
  }
}

TEST_F(SettingsSheetTest, EffectsWithoutAKeyFollowThePackagesChoice) {
  struct Case {
    const char* package;
    Strings ticked;
  };
  const Case cases[] = {
      {"", {"Dripping Paint", "Hot Blocks", "Rain Drops", "Weave Lines"}},
      {"Use_Effects=0\n", {"Rain Drops"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.package);
    SetPackageSettings(c.package);
    Store("Effects", "Rain Drops", "1");
    Store("Effects", "Spiral Blocks", "0");
    Strings items, ticked;
    Run([&](SheetUser& user) {
      user.Select(kEffectsTab);
      HWND list = user.Item(IDC_EFFECTS_LIST);
      const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
        const std::string name = text + 1;
        const bool sample = name == "Dripping Paint" || name == "Hot Blocks" ||
                            name == "Rain Drops" || name == "Weave Lines" ||
                            name == "Spiral Blocks";
        if (sample && SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0))
          ticked.push_back(name);
      }
    });
    ASSERT_EQ(items.size(), 14u);
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    for (const std::string& item : items) EXPECT_EQ(item.front(), ' ') << item;
    EXPECT_EQ(ticked, c.ticked);
  }
}

TEST_F(SettingsSheetTest, EffectsPageWritesChecksByNameAndTheDuration) {
  struct Case {
    const char* storedSpeed;
    std::string shown;
    int pick;  // -1 leaves the list alone
    const char* written;
  };
  const Case cases[] = {
      {"2", "Medium", -1, "2"},
      {"1", "Long", 2, "3"},
      {"7", "", -1, "0"},  // a speed outside the list selects nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.storedSpeed);
    Store("Effects", "EffectSpeed", c.storedSpeed);
    for (const char* name : {"Angle Sweeps", "Dripping Paint", "Drop Blocks"})
      Store("Effects", name, "1");
    std::string shown;
    Run([&](SheetUser& user) {
      user.Select(kEffectsTab);
      shown = user.Selected(IDC_EFFECTS_DURATION);
      if (c.pick >= 0) SendMessageA(user.Item(IDC_EFFECTS_DURATION), CB_SETCURSEL, c.pick, 0);
      HWND list = user.Item(IDC_EFFECTS_LIST);
      // The first item ("Angle Sweeps") by the space bar, the second
      // ("Dripping Paint") by a click on its box; a click on the third's
      // name leaves it.
      SendMessageA(list, LB_SETCARETINDEX, 0, 0);
      SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
      RECT second{}, third{};
      SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
      SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
      SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, second.top + 3));
      SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(3, second.top + 3));
      SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, third.top + 3));
      SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(100, third.top + 3));
      user.PressOk();
    });
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(Stored("Effects", "EffectSpeed"), c.written);
    EXPECT_EQ(Stored("Effects", "Angle Sweeps"), "0");
    EXPECT_EQ(Stored("Effects", "Dripping Paint"), "0");
    EXPECT_EQ(Stored("Effects", "Drop Blocks"), "1");
    EXPECT_EQ(UserFileText().find("\n "), std::string::npos)
        << "names are stored without the space";
  }
}

}  // namespace
}  // namespace lumi::test
