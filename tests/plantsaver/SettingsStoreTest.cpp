#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "plantsaver/setup/SettingsStore.h"

namespace gulpleaf {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }
  static void Forget() {
    RegDeleteKeyA(HKEY_CURRENT_USER, "software\\Zeb_brio\\sproutSaver");
    RegDeleteKeyA(HKEY_CURRENT_USER, "software\\Zeb_brio");
  }
  static bool KeyExists(const char* path) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
  }
  static void Store(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "software\\Zeb_brio\\sproutSaver", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(k);
  }
  static void StoreText(const char* name, const char* text) {
    Store(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
  }
};

TEST_F(SettingsStoreTest, FirstRunGivesDefaultsAndCreatesOnlyTheOuterKey) {
  PlantSettings s = PlantSettings::Load();
  EXPECT_EQ(s.speed, 50);
  EXPECT_TRUE(s.sound);
  EXPECT_TRUE(s.sSound);
  EXPECT_EQ(s.vol, 0);
  EXPECT_FALSE(s.showZeb);
  EXPECT_TRUE(KeyExists("software\\Zeb_brio"));
  EXPECT_FALSE(KeyExists("software\\Zeb_brio\\sproutSaver"));
}

TEST_F(SettingsStoreTest, TextThatIsNotANumberReadsAsTheDefault) {
  StoreText("speed", "abc");
  StoreText("sound", "0");
  StoreText("sSound", "7");
  StoreText("vol", "");
  StoreText("show_Zeb", "1");
  PlantSettings s = PlantSettings::Load();
  EXPECT_EQ(s.speed, 50);
  EXPECT_FALSE(s.sound);
  EXPECT_TRUE(s.sSound);
  EXPECT_EQ(s.vol, 0);
  EXPECT_TRUE(s.showZeb);
}

TEST_F(SettingsStoreTest, SavedValuesAreDecimalTextAndReadBack) {
  PlantSettings s;
  s.speed = 0;
  s.sound = false;
  s.sSound = false;
  s.vol = 65535;
  ASSERT_TRUE(s.Save());
  HKEY k;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\Zeb_brio\\sproutSaver", 0, KEY_READ, &k),
            ERROR_SUCCESS);
  char text[32] = {};
  DWORD type = 0, size = sizeof text;
  RegQueryValueExA(k, "vol", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(k);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(text, "65535");
  PlantSettings back = PlantSettings::Load();
  EXPECT_EQ(back.speed, 0);
  EXPECT_FALSE(back.sound);
  EXPECT_FALSE(back.sSound);
  EXPECT_EQ(back.vol, 65535);
}

TEST_F(SettingsStoreTest, ADwordValueMeansItsNumber) {
  DWORD v = 80;
  Store("speed", REG_DWORD, &v, sizeof v);
  EXPECT_EQ(PlantSettings::Load().speed, 80);
}

TEST(SettingNumber, AcceptsOnlyWholeDecimalNumbers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {{"0", 0},       {"50", 50},  {"-3", -3},  {"+7", 7}, {"2147483647", 2147483647},
               {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1},
               {"", std::nullopt}, {"-", std::nullopt}, {"12a", std::nullopt},
               {" 5", std::nullopt}, {"0x10", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseSettingNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace gulpleaf
