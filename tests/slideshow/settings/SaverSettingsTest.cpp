#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <list>
#include <string>
#include <vector>

#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi {
namespace {

class SaverSettingsTest : public ::testing::Test {
 protected:
  // A store over a user file and a package settings file with these texts;
  // an empty text means there is no such file.
  CSaverSettings& Store(const std::string& user, const std::string& package, bool nt = true) {
    CSaverSettings& s = stores_.emplace_back(
        user.empty() ? folder_.Path("none" + std::to_string(stores_.size())) : folder_.Write(user),
        nt);
    s.SetPackageSettingsFile(package.empty() ? "" : folder_.Write(package), package_);
    return s;
  }
  static std::string Stored(const CSaverSettings& s, const char* section, const char* key) {
    return s.GetUserFile().GetString(section, key, "(absent)");
  }

  test::TempFolder folder_;
  test::FakePackage package_{folder_};
  std::list<CSaverSettings> stores_;
};

TEST_F(SaverSettingsTest, NeitherFilePresentGivesTheDefaults) {
  CSaverSettings& s = Store("", "");
  EXPECT_EQ(s.GetImageDelay(), 15);
  EXPECT_TRUE(s.GetRandom() && s.GetLumishowIsScreenSaver() && s.GetEnlargeSaverPics() &&
              s.GetEnlargeWallpaperPics() && s.GetTileSaverPics() && s.GetUseSoundEffects() &&
              s.IsEffectEnabled("Rain Drops") && s.GetMessageShowRandom());
  EXPECT_FALSE(s.GetBlackWhite() || s.GetTitles() || s.GetWallpaperBlackAndWhite());
  EXPECT_EQ(s.GetWallpaperCycle(), 0);
  EXPECT_EQ(s.GetEffectSpeed(), 1);
  EXPECT_EQ(s.GetLastMessageDisplayed(), -1);
  EXPECT_EQ(s.GetTitle(), "Lumishow Screen Saver");
  EXPECT_EQ(s.GetCustomGraphic(), "");
  EXPECT_EQ(s.GetInformationDocument(), "");
  EXPECT_EQ(s.NextMessage([] { return 0; }), "");
  std::tm t{};
  t.tm_year = 90, t.tm_mon = 0, t.tm_mday = 1, t.tm_hour = 1, t.tm_isdst = -1;
  EXPECT_EQ(s.GetLastWallpaperChange(), std::mktime(&t));
  EXPECT_EQ(GetFileAttributesA(s.GetUserFile().GetFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SaverSettingsTest, LimitsOnReadAndWrite) {
  EXPECT_EQ(Store("[General]\nImageDelay=2\n", "").GetImageDelay(), 5);
  EXPECT_EQ(Store("[General]\nImageDelay=301\n", "").GetImageDelay(), 300);
  EXPECT_EQ(Store("[General]\nImageDelay=many\n", "").GetImageDelay(), 5);
  EXPECT_EQ(Store("[Wallpaper]\nCycle=7\n", "").GetWallpaperCycle(), 7);
  CSaverSettings& s = Store("", "");
  s.SetImageDelay(1000);
  s.SetWallpaperCycle(9);
  EXPECT_EQ(Stored(s, "General", "ImageDelay"), "300");
  EXPECT_EQ(Stored(s, "Wallpaper", "Cycle"), "3");
  s.SetImageDelay(1);
  EXPECT_EQ(Stored(s, "General", "ImageDelay"), "5");
}

TEST_F(SaverSettingsTest, PackageKeysPresetWhatTheUserHasNotChosen) {
  const struct {
    const char* user;     // section General of the user file
    const char* package;  // section General_Settings of the package file
    bool random, titles, enlargeSaver, enlargeWallpaper, tile, effect;
  } cases[] = {
      {"", "Display_Order=Normal Order", false, false, true, true, true, true},
      {"", "Display_Order=random order", true, false, true, true, true, true},
      {"Random=1", "Display_Order=Normal Order", true, false, true, true, true, true},
      {"", "Show_Captions=1\nEnlarge_Image=0\nTile_Image=0\nUse_Effects=0", true, true, false,
       false, false, false},
      {"Titles=0\nEnlargeWallpaperPics=1\nTileSaverPics=7", "Show_Captions=1\nEnlarge_Image=0",
       true, false, false, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.user) + " / " + c.package);
    CSaverSettings& s = Store(std::string("[General]\n") + c.user + "\n",
                              std::string("[General_Settings]\n") + c.package + "\n");
    EXPECT_EQ(s.GetRandom(), c.random);
    EXPECT_EQ(s.GetTitles(), c.titles);
    EXPECT_EQ(s.GetEnlargeSaverPics(), c.enlargeSaver);
    EXPECT_EQ(s.GetEnlargeWallpaperPics(), c.enlargeWallpaper);
    EXPECT_EQ(s.GetTileSaverPics(), c.tile);
    EXPECT_EQ(s.IsEffectEnabled("Hot Blocks"), c.effect);
  }
}

TEST_F(SaverSettingsTest, AuthorPresetsOfDelayBlackAndWhiteAndSpeedGiveWayToTheUser) {
  const char* const preset = "[General_Settings]\nImage_Delay=40\nBlack_White=1\nEffect_Speed=3\n";
  CSaverSettings& byAuthor = Store("", preset);
  EXPECT_EQ(byAuthor.GetImageDelay(), 40);
  EXPECT_TRUE(byAuthor.GetBlackWhite());
  EXPECT_EQ(byAuthor.GetEffectSpeed(), 3);

  CSaverSettings& byUser =
      Store("[General]\nImageDelay=20\nBlackWhite=0\n[Effects]\nEffectSpeed=2\n", preset);
  EXPECT_EQ(byUser.GetImageDelay(), 20);
  EXPECT_FALSE(byUser.GetBlackWhite());
  EXPECT_EQ(byUser.GetEffectSpeed(), 2);

  // A preset beyond the limits is held to them like the user's own value.
  EXPECT_EQ(Store("", "[General_Settings]\nImage_Delay=1\n").GetImageDelay(), 5);
  EXPECT_EQ(Store("", "[General_Settings]\nImage_Delay=999\n").GetImageDelay(), 300);
}

TEST_F(SaverSettingsTest, AuthorTextsOfThePackage) {
  package_.Add("About.htm", "<p>about</p>");
  CSaverSettings& s = Store("",
                            "[General_Settings]\nCustom_Text=Sea|Sky|\nCustom_Graphic=logo.bmp\n"
                            "Information_Hyperlink=http://\nInformation_Document=About.htm\n");
  EXPECT_EQ(s.GetCustomText(), "Sea\r\nSky\r\n");
  EXPECT_EQ(s.GetCustomGraphic(), "@pk@logo.bmp");
  EXPECT_EQ(s.GetInformationHyperlink(), "");
  EXPECT_EQ(s.GetInformationDocument(), folder_.Path("x-About.htm"));
}

TEST_F(SaverSettingsTest, PasswordOnlyGuardsTheSaverOutsideTheNtFamily) {
  const struct {
    bool nt;
    const char* user;
    bool inUse;
    const char* password;
  } cases[] = {
      {false, "InUse=1\nPassword=tide", true, "tide"},
      {false, "InUse=0\nPassword=tide", false, ""},
      {true, "InUse=1\nPassword=tide", false, ""},
  };
  for (const auto& c : cases) {
    CSaverSettings& s = Store(std::string("[Password]\n") + c.user + "\n", "", c.nt);
    EXPECT_EQ(s.IsPasswordInUse(), c.inUse) << c.nt << " " << c.user;
    EXPECT_EQ(s.GetPassword(), c.password) << c.nt << " " << c.user;
  }
  CSaverSettings& s = Store("[Password]\nInUse=1\nPassword=tide\n", "", false);
  s.SetPassword("");
  EXPECT_EQ(Stored(s, "Password", "InUse"), "0");
  EXPECT_EQ(Stored(s, "Password", "Password"), "");
}

TEST(SystemFactsTest, WineReportsTheNtFamilyByDefault) { EXPECT_TRUE(IsNtFamily()); }

TEST_F(SaverSettingsTest, WallpaperScheduleFromTheStoredLastChange) {
  CSaverSettings& s = Store("[Wallpaper]\nCycle=3\n", "");
  std::tm t{};  // midday, clear of a daylight-saving change
  t.tm_year = 124, t.tm_mon = 5, t.tm_mday = 12, t.tm_hour = 12, t.tm_min = 34, t.tm_isdst = -1;
  const std::time_t changed = std::mktime(&t), onTheHour = changed - 34 * 60;
  s.SetLastWallpaperChange(changed);
  EXPECT_EQ(Stored(s, "Wallpaper", "LastYear") + "-" + Stored(s, "Wallpaper", "LastMonth") + "-" +
                Stored(s, "Wallpaper", "LastDay") + " " + Stored(s, "Wallpaper", "LastHour"),
            "2024-6-12 12");
  EXPECT_EQ(s.GetLastWallpaperChange(), onTheHour);
  EXPECT_FALSE(s.IsWallpaperChangeDue(onTheHour + 167 * 3600));
  EXPECT_TRUE(s.IsWallpaperChangeDue(onTheHour + 168 * 3600));
  s.SetWallpaperCycle(2);
  EXPECT_TRUE(s.IsWallpaperChangeDue(onTheHour - 30 * 3600));
}

TEST_F(SaverSettingsTest, MessagesInSequenceMoveTheSharedCounter) {
  const std::string messages =
      "[General_Settings]\nMessage_ShowRandom=0\nMessage_Frequency=100\n"
      "[Messages]\nCount=3\nMessage 0=First\nMessage 1=Second\nMessage 2=Third\n";
  const struct {
    const char* last;  // section General of the user file
    const char* message;
    const char* stored;
  } cases[] = {
      {"LastMessageDisplayed=2", "First", "0"},
      {"", "First", "0"},
      {"LastMessageDisplayed=0", "Second", "1"},
      {"LastMessageDisplayed=11", "First", "0"},  // another saver had more messages
  };
  for (const auto& c : cases) {
    CSaverSettings& s = Store(std::string("[General]\n") + c.last + "\n", messages);
    EXPECT_EQ(s.NextMessage([] { return 42; }), c.message) << c.last;
    EXPECT_EQ(Stored(s, "General", "LastMessageDisplayed"), c.stored) << c.last;
  }
}

TEST_F(SaverSettingsTest, MessageFrequencyAndRandomOrder) {
  CSaverSettings& s = Store("",
                            "[General_Settings]\nMessage_Frequency=30\n"
                            "[Messages]\nCount=2\nMessage 0=Zero\nMessage 1=One\n");
  std::vector<int> rolls = {31, 130, 5};  // 31 > 30: none; 30 lets one through, 5 mod 2 is 1
  std::size_t next = 0;
  const RandomNumber random = [&] { return rolls[next++]; };
  EXPECT_EQ(s.NextMessage(random), "");
  EXPECT_EQ(s.NextMessage(random), "One");
  EXPECT_EQ(Stored(s, "General", "LastMessageDisplayed"), "(absent)");
}

TEST_F(SaverSettingsTest, TheSlideshowResumesWhereItWasSaved) {
  const std::string pictures =
      "[General]\nCount=3\n[Picture1]\nImage=a.jpg\n[Picture2]\nImage=b.jpg\n"
      "[Picture3]\nImage=c.jpg\n";
  CCollectionList list;
  CPictureInfo info;
  EXPECT_FALSE(Store("", "").LoadNextPicture(info, list));
  ASSERT_TRUE(list.Add(folder_.Write(pictures)) && list.Add(folder_.Write(pictures)));
  const struct {
    const char* status;
    bool loads;
    int collection, index;
  } cases[] = {
      {"", true, 0, 0},
      {"CurCollection=2\nNextImage=3", true, 1, 2},
      {"CurCollection=9\nNextImage=2", true, 0, 1},
      {"CurCollection=0\nNextImage=1", true, 0, 0},
      {"CurCollection=1\nNextImage=4", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    CPictureInfo picture;
    ASSERT_EQ(Store(std::string("[Status]\n") + c.status + "\n", "").LoadNextPicture(picture, list),
              c.loads);
    if (!c.loads) continue;
    EXPECT_EQ(picture.GetCollection(), list.GetAt(c.collection));
    EXPECT_EQ(picture.GetIndex(), c.index);
  }
  CSaverSettings& s = Store("", "");
  ASSERT_EQ(list.GetCount(), 2);
  ASSERT_TRUE(list.GetAt(1)->LoadPicture(info, 1));
  s.SaveNextPicture(info);
  EXPECT_EQ(Stored(s, "Status", "CurCollection") + Stored(s, "Status", "NextImage"), "22");
}

TEST_F(SaverSettingsTest, SettersThatReachBeyondTheFile) {
  CSaverSettings& s = Store("", "");
  std::vector<bool> installs;
  int stops = 0;
  s.SetSystemSaverInstaller([&](bool on) { installs.push_back(on); });
  s.SetSoundStopper([&] { ++stops; });
  s.SetLumishowIsScreenSaver(false);
  s.SetUseSoundEffects(true);
  s.SetUseSoundEffects(false);
  EXPECT_EQ(installs, std::vector<bool>{false});
  EXPECT_EQ(stops, 1);
  EXPECT_FALSE(s.GetUseSoundEffects() || s.GetLumishowIsScreenSaver());
}

TEST(UserFileTest, TheStoreByDefaultKeepsItsFileInTheWindowsFolder) {
  const std::string path = UserSettingsPathInWindowsFolder();
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "a user settings file already exists in this prefix";
  }
  CSaverSettings().SetImageDelay(77);
  EXPECT_EQ(GetPrivateProfileIntA("General", "ImageDelay", 0, path.c_str()), 77u);
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

}  // namespace
}  // namespace lumi
