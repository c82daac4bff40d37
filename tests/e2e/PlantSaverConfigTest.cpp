// The configuration form of the real program: opened by /c, driven by posted
// clicks, its outcome read from the registry of the private prefix.
#include <gtest/gtest.h>

#include "plantsaver/setup/ConfigFormIds.h"
#include "tests/e2e/SaverHarness.h"

namespace zebtest {
namespace {
using namespace gulpleaf::config_ids;

constexpr char kKey[] = "software\\Zeb_brio\\sproutSaver";

std::string StoredText(const char* name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return "<none>";
  char text[64] = {};
  DWORD size = sizeof text - 1;
  LONG r = RegQueryValueExA(k, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(k);
  return r == ERROR_SUCCESS ? text : "<none>";
}

class PlantSaverConfig : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }

  HWND OpenForm(Process& p) {
    if (!p.Start(SaverPath(), "/c")) return nullptr;
    HWND form = WaitForWindow(p.Id(), "ZebForm", "Gulpleaf Saver", 10000);
    for (int i = 0; form && i < 100 && !IsWindowVisible(form); ++i) Sleep(50);
    return form;
  }
  static void Click(HWND form, int id) { PostMessageA(GetDlgItem(form, id), BM_CLICK, 0, 0); }
  static bool WaitFor(bool (*done)(HWND), HWND w) {
    for (int i = 0; i < 200; ++i) {
      if (done(w)) return true;
      Sleep(50);
    }
    return false;
  }
};

TEST_F(PlantSaverConfig, OkStoresTheFormsValuesAndEndsTheProgram) {
  Process p;
  HWND form = OpenForm(p);
  ASSERT_NE(form, nullptr);
  ASSERT_NE(GetDlgItem(form, kOkButt), nullptr);
  Click(form, kCheckBox1);
  Click(form, kOkButt);
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(p.ExitCode(), 0u);
  EXPECT_EQ(StoredText("speed"), "50");
  EXPECT_EQ(StoredText("sound"), "0");
  EXPECT_EQ(StoredText("sSound"), "1");
  EXPECT_NE(StoredText("vol"), "<none>");
}

TEST_F(PlantSaverConfig, TestRunsTheSaverAndCancelAfterwardsPutsTheValuesBack) {
  Process p;
  HWND form = OpenForm(p);
  ASSERT_NE(form, nullptr);
  Click(form, kCheckBox2);
  Click(form, kTestButt);
  HWND saver = WaitForWindow(p.Id(), "ZebForm", "gulpleaf saver", 2000);
  ASSERT_NE(saver, nullptr);
  ASSERT_TRUE(WaitFor([](HWND w) { return IsWindowVisible(w) != FALSE; }, saver));
  EXPECT_EQ(StoredText("sSound"), "0") << "the saver runs with what the form shows";
  EXPECT_FALSE(IsWindowEnabled(form)) << "the form waits for the saver";

  // A character, then any message: the saver ends.
  PostMessageA(saver, WM_CHAR, 'x', 0);
  PostMessageA(saver, WM_NULL, 0, 0);
  ASSERT_TRUE(WaitFor([](HWND w) { return IsWindowVisible(w) == FALSE; }, saver));
  ASSERT_TRUE(WaitFor([](HWND w) { return IsWindowEnabled(w) != FALSE; }, form));
  EXPECT_TRUE(p.Running()) << "the form is still open";

  Click(form, kCancelButt);
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(StoredText("speed"), "50");
  EXPECT_EQ(StoredText("sound"), "1");
  EXPECT_EQ(StoredText("sSound"), "1");
  EXPECT_EQ(StoredText("vol"), "0");
}

}  // namespace
}  // namespace zebtest
