// The full-screen saver: what it covers, how input ends it, and the password.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/e2e/SaverHarness.h"
#include "tests/support/Screen.h"

namespace zebtest {
namespace {

class RunningSaver : public ::testing::Test {
 protected:
  void StartSaver(const std::string& program = SaverPath()) {
    ASSERT_TRUE(process.Start(program, "/s"));
    window = WaitForWindow(process.Id(), "ZebForm", "gulpleaf saver", 15000);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 100 && !IsWindowVisible(window); ++i) Sleep(50);
    Sleep(500);  // let it settle: shown, maximised, hook installed
    GetCursorPos(&start);
  }
  void Post(UINT msg, WPARAM w = 0, LPARAM l = 0) { PostMessageA(window, msg, w, l); }
  void MoveBy(int dx, int dy) {
    Post(WM_MOUSEMOVE, 0, MAKELPARAM(start.x + dx, start.y + dy));
  }
  // Posts something harmless: the saver ends on the message after a trigger.
  void Nudge() { Post(WM_NULL); }
  bool StillRunningAfter(DWORD ms) { return !process.WaitExit(ms); }

  Process process;
  HWND window = nullptr;
  POINT start{};
};

TEST_F(RunningSaver, CoversTheScreenInBlackOnTopWithThePointerHidden) {
  StartSaver();
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, w);
  EXPECT_EQ(r.bottom, h);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

  Pixels screen = CaptureScreen(0, 0, w, h);
  EXPECT_GT(screen.Share(0x000000, 0, 0, w, h), 0.9) << "the scene is drawn on black";
  // Corners are never covered by the actors.
  EXPECT_EQ(screen.At(0, 0), 0u);
  EXPECT_EQ(screen.At(w - 1, 0), 0u);

  CURSORINFO ci{};
  ci.cbSize = sizeof ci;
  ASSERT_TRUE(GetCursorInfo(&ci));
  EXPECT_TRUE(ci.hCursor == nullptr || !(ci.flags & CURSOR_SHOWING)) << "pointer hidden";
}

TEST_F(RunningSaver, ShowsThePlantAtItsFootPositionAndTheSceneMoves) {
  StartSaver();
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  // The foot stands at (W - 251, H - 99); the head rests on it, 253 px above the bottom.
  Pixels first = CaptureScreen(w - 251, h - 253, 151, 253);
  EXPECT_LT(first.Share(0x000000, 0, 154, 151, 253), 0.8) << "the foot is drawn";
  EXPECT_LT(first.Share(0x000000, 0, 0, 151, 154), 0.9) << "the head is drawn";
  Pixels left = CaptureScreen(0, 0, w / 2, h / 2);
  EXPECT_EQ(left.Share(0x000000, 0, 0, w / 2, h / 2), 1.0) << "nothing but black elsewhere yet";
  // The foot's leaves wave every frame, so a second look differs.
  bool moved = false;
  for (int i = 0; i < 20 && !moved; ++i) {
    Sleep(100);
    moved = CaptureScreen(w - 251, h - 253, 151, 253).data != first.data;
  }
  EXPECT_TRUE(moved) << "the scene is animated";
  MoveBy(30, 0);
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000)) << "input still ends the running scene";
}

TEST_F(RunningSaver, PointerJitterOfFivePixelsKeepsItRunningSixEndsIt) {
  StartSaver();
  const POINT jitter[] = {{5, 0}, {-5, 0}, {0, 5}, {0, -5}, {5, 5}, {-5, -5}, {3, -4}};
  for (POINT j : jitter) {
    MoveBy(j.x, j.y);
    Nudge();
  }
  EXPECT_TRUE(StillRunningAfter(700));
  MoveBy(0, 6);
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000));
  EXPECT_EQ(process.ExitCode(), 0u);
}

TEST_F(RunningSaver, ShiftAloneKeepsItRunningALetterEndsIt) {
  StartSaver();
  Post(WM_KEYDOWN, VK_SHIFT, 0x002A0001);
  Post(WM_KEYUP, VK_SHIFT, 0xC02A0001);
  Post(WM_KEYDOWN, VK_LEFT, 0x014B0001);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(start.x, start.y));
  Post(WM_LBUTTONUP, 0, MAKELPARAM(start.x, start.y));
  Nudge();
  EXPECT_TRUE(StillRunningAfter(700));
  Post(WM_CHAR, 'a', 0x001E0001);
  Post(WM_KEYUP, 'A', 0xC01E0001);
  ASSERT_TRUE(process.WaitExit(10000));
  EXPECT_EQ(process.ExitCode(), 0u);
}

TEST_F(RunningSaver, AMouseButtonEndsIt) {
  StartSaver();
  Post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(start.x, start.y));
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The password check belongs to the 9x family, so the copy runs as Windows 98.
class PasswordSaver : public RunningSaver {
 protected:
  void SetUp() override {
    CopyInto(folder, SaverPath(), "gulpleafSaver.scr");
    CopyInto(folder, WindowsPath(FAKE_PASSWORD_CPL), "PASSWORD.CPL");
    winVersion.SetText("win98");
  }
  std::string Calls() { return ReadFile(folder.File("calls.txt")); }

  TempFolder folder;
  RegistryValueGuard winVersion{"Software\\Wine\\AppDefaults\\gulpleafSaver.scr", "Version"};
  RegistryValueGuard usePassword{"Control Panel\\desktop", "ScreenSaveUsePassword"};
  RegistryValueGuard isSecure{"Control Panel\\desktop", "ScreenSaverIsSecure"};
};

TEST_F(PasswordSaver, AWrongPasswordKeepsItRunningTheRightOneEndsIt) {
  usePassword.SetDword(1);
  std::ofstream(folder.File("answers.txt")) << "01";
  StartSaver(folder.File("gulpleafSaver.scr"));
  MoveBy(40, 0);
  Nudge();
  EXPECT_TRUE(StillRunningAfter(1500));
  EXPECT_EQ(Calls(), "gulpleaf saver\n") << "asked once, with the saver form as parent";
  EXPECT_TRUE(IsWindowVisible(window));

  // Movement is measured again from where the pointer was at the refusal.
  GetCursorPos(&start);
  MoveBy(4, 4);
  Nudge();
  EXPECT_TRUE(StillRunningAfter(700));
  EXPECT_EQ(Calls(), "gulpleaf saver\n");
  Post(WM_CHAR, 'x');
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000));
  EXPECT_EQ(Calls(), "gulpleaf saver\ngulpleaf saver\n");
}

TEST_F(PasswordSaver, NoPasswordAskedUnlessADwordValueRequestsIt) {
  // Windows NT stores ScreenSaverIsSecure as text; this saver does not act on it.
  isSecure.SetText("1");
  usePassword.SetDword(0);
  StartSaver(folder.File("gulpleafSaver.scr"));
  Post(WM_CHAR, 'x');
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000));
  EXPECT_EQ(Calls(), "");
}

TEST_F(PasswordSaver, SecureDwordAloneAlsoAsks) {
  isSecure.SetDword(1);
  std::ofstream(folder.File("answers.txt")) << "1";
  StartSaver(folder.File("gulpleafSaver.scr"));
  Post(WM_CHAR, 'x');
  Nudge();
  ASSERT_TRUE(process.WaitExit(10000));
  EXPECT_EQ(Calls(), "gulpleaf saver\n");
}

}  // namespace
}  // namespace zebtest
