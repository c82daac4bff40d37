// The plant saver started in each of its modes, watched from outside.
#include <gtest/gtest.h>

#include "tests/e2e/SaverHarness.h"

namespace zebtest {
namespace {

TEST(PlantSaverModes, WindowlessModesWithBadOrMissingHandlesEndAtOnce) {
  const char* args[] = {"/p", "/p 0", "/p notanumber", "/p 99991", "/a", "/a 0", "/a 99991"};
  for (const char* a : args) {
    SCOPED_TRACE(a);
    Process p;
    ASSERT_TRUE(p.Start(SaverPath(), a));
    ASSERT_TRUE(p.WaitExit(10000));
    EXPECT_EQ(p.ExitCode(), 0u);
  }
}

TEST(PlantSaverModes, PasswordChangeWithAParentReturnsQuietly) {
  // Without the system's password-change library the mode ends silently.
  HWND parent = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  Process p;
  ASSERT_TRUE(p.Start(SaverPath(), "/a " + std::to_string(reinterpret_cast<UINT_PTR>(parent))));
  DWORD start = GetTickCount();
  while (p.Running() && GetTickCount() - start < 10000) PumpFor(50);
  EXPECT_FALSE(p.Running());
  EXPECT_EQ(p.ExitCode(), 0u);
  DestroyWindow(parent);
}

struct FormCase {
  const char* args;
  const char* visibleTitle;
};

TEST(PlantSaverModes, ConfigurationFormsShowTheConfigurationWindow) {
  const FormCase cases[] = {{"", "Gulpleaf Saver"},
                            {"/c", "Gulpleaf Saver"},
                            {"/c:4660", "Gulpleaf Saver"},
                            {"s", "Gulpleaf Saver"},
                            {"/x 5", "Gulpleaf Saver"}};
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.args);
    Process p;
    ASSERT_TRUE(p.Start(SaverPath(), c.args));
    HWND config = WaitForWindow(p.Id(), "ZebForm", c.visibleTitle, 10000);
    ASSERT_NE(config, nullptr);
    for (int i = 0; i < 100 && !IsWindowVisible(config); ++i) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(config));
    // The saver form exists beside it, hidden, for the test run.
    HWND saver = WaitForWindow(p.Id(), "ZebForm", "gulpleaf saver", 2000);
    ASSERT_NE(saver, nullptr);
    EXPECT_FALSE(IsWindowVisible(saver));
    PostMessageA(config, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.WaitExit(10000));
    EXPECT_EQ(p.ExitCode(), 0u);
  }
}

TEST(PlantSaverModes, ProgramNamedExeInAnyCaseIsTheSetupWizard) {
  TempFolder folder;
  for (const char* name : {"GULPLEAF.EXE", "Setup.ExE"}) {
    SCOPED_TRACE(name);
    CopyInto(folder, SaverPath(), name);
    Process p;
    ASSERT_TRUE(p.Start(folder.File(name), "/s"));
    HWND wizard = WaitForWindow(p.Id(), "ZebForm", "Zeb's Gulpleaf Screen Saver Setup", 10000);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(WaitForWindow(p.Id(), "ZebForm", "gulpleaf saver", 300), nullptr)
        << "the wizard runs instead of every other mode";
    PostMessageA(wizard, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.WaitExit(10000));
    EXPECT_EQ(p.ExitCode(), 0u);
  }
}

TEST(PlantSaverModes, PreviewLivesInAChildOfTheGivenWindowUntilItIsDestroyed) {
  const int px = 40, py = 50, pw = 210, ph = 157;  // odd sizes: the centring truncates
  HWND parent = CreateWindowExA(0, "STATIC", "preview parent", WS_POPUP | WS_VISIBLE, px, py, pw,
                                ph, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  PumpFor(200);
  Process p;
  ASSERT_TRUE(p.Start(SaverPath(), "/p " + std::to_string(reinterpret_cast<UINT_PTR>(parent))));

  HWND child = WaitForChild(parent, "zebsaverpreview", "Zeb98", 15000);
  ASSERT_NE(child, nullptr);
  RECT cr;
  GetWindowRect(child, &cr);
  EXPECT_EQ(cr.left, px);
  EXPECT_EQ(cr.top, py);
  EXPECT_EQ(cr.right - cr.left, pw);
  EXPECT_EQ(cr.bottom - cr.top, ph);
  EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_DISABLED);

  // What it draws is checked in-process: Wine does not show drawing into a
  // child window that belongs to another process.
  DestroyWindow(parent);
  for (int i = 0; i < 100 && p.Running(); ++i) PumpFor(50);
  EXPECT_FALSE(p.Running()) << "the preview ends when its window is destroyed";
  EXPECT_EQ(p.ExitCode(), 0u);
}

}  // namespace
}  // namespace zebtest
