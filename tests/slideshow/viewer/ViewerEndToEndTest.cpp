// The sample saver's viewer as a user meets it: started with /c, its
// thumbnails on screen, the keyboard moving the selection and with it the
// slideshow's start, the about box, and the saver previewed over it.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "tests/support/Process.h"
#include "tests/support/Screen.h"

namespace lumi {
namespace {

using zebtest::PumpFor;

constexpr char kTitle[] = "Lumishow Sample Saver";
constexpr char kSaverTitle[] = "ZIVODIZOVARIZAVUZEVURU";
constexpr int kThumbnailView = 10001;

std::string UserSettingsFile() {
  char dir[MAX_PATH] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\KVSE_Screen_Saver.ini";
}

int NextImage() {
  return GetPrivateProfileIntA("Status", "NextImage", -1, UserSettingsFile().c_str());
}

// Polls the stored start picture until it meets the wish, for up to 5 s.
template <typename Wish>
int WaitForNextImage(Wish wish) {
  int value = NextImage();
  for (int i = 0; i < 100 && !wish(value); ++i) {
    PumpFor(50);
    value = NextImage();
  }
  return value;
}
int WaitForNextImage(int expected) {
  return WaitForNextImage([expected](int v) { return v == expected; });
}

struct DialogSearch {
  DWORD processId;
  HWND viewer;
  HWND found;
};

BOOL CALLBACK FindOtherDialog(HWND w, LPARAM param) {
  auto* s = reinterpret_cast<DialogSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (pid == s->processId && w != s->viewer && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

// A visible dialog of the process other than the viewer (the about box).
HWND WaitForOtherDialog(DWORD processId, HWND viewer, DWORD timeoutMs) {
  DialogSearch search{processId, viewer, nullptr};
  for (DWORD waited = 0; waited < timeoutMs && !search.found; waited += 50) {
    EnumWindows(FindOtherDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) PumpFor(50);
  }
  return search.found;
}

TEST(ViewerEndToEnd, ThumbnailsKeyboardAboutAndPreviewOverTheViewer) {
  DeleteFileA(UserSettingsFile().c_str());
  zebtest::Process p;
  ASSERT_TRUE(p.Start(zebtest::WindowsPath(LUMISHOW_SAMPLE), "/c"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", kTitle, 15000);
  ASSERT_NE(viewer, nullptr);
  HWND view = GetDlgItem(viewer, kThumbnailView);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(WaitForNextImage(1), 1) << "opening selects the first picture";

  // Thumbnails are on screen: the first cells are far from plain button face.
  PumpFor(1500);
  RECT cells{};
  GetWindowRect(view, &cells);
  const int width = (cells.right - cells.left) / 2, height = (cells.bottom - cells.top) / 2;
  const zebtest::Pixels shot = zebtest::CaptureScreen(cells.left, cells.top, width, height);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_LT(shot.Share(faceRgb, 0, 0, width, height), 0.7) << "thumbnails drawn in the cells";

  PostMessageA(view, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(WaitForNextImage(2), 2);
  PostMessageA(view, WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(WaitForNextImage(1), 1);
  PostMessageA(view, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_GT(WaitForNextImage([](int v) { return v > 2; }), 2) << "a row further down";

  PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(1010, BN_CLICKED), 0);
  HWND about = WaitForOtherDialog(p.Id(), viewer, 10000);
  ASSERT_NE(about, nullptr) << "the about box opens";
  PostMessageA(about, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 100 && IsWindow(about); ++i) PumpFor(50);
  EXPECT_FALSE(IsWindow(about));

  PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), 0);
  HWND saver = zebtest::WaitForWindow(p.Id(), "LumishowSaverWindow", kSaverTitle, 15000);
  ASSERT_NE(saver, nullptr) << "Preview runs the saver";
  RECT r{};
  GetWindowRect(saver, &r);
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
  PumpFor(1000);
  PostMessageA(saver, WM_KEYDOWN, 'A', 0);
  for (int i = 0; i < 200 && IsWindow(saver); ++i) PumpFor(50);
  EXPECT_FALSE(IsWindow(saver)) << "input ends the saver";
  PumpFor(300);
  EXPECT_TRUE(p.Running()) << "the viewer goes on";
  EXPECT_TRUE(IsWindowVisible(viewer));

  PostMessageA(viewer, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(p.WaitExit(10000));
}

HWND FindDescendant(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (HWND found = FindDescendant(child, id)) return found;
  }
  return nullptr;
}

TEST(ViewerEndToEnd, SettingsButtonOpensTheSheetWhoseOkWritesTheUserFile) {
  DeleteFileA(UserSettingsFile().c_str());
  zebtest::Process p;
  ASSERT_TRUE(p.Start(zebtest::WindowsPath(LUMISHOW_SAMPLE), "/c"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", kTitle, 15000);
  ASSERT_NE(viewer, nullptr);

  PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
  HWND sheet = WaitForOtherDialog(p.Id(), viewer, 10000);
  ASSERT_NE(sheet, nullptr) << "Settings... opens the sheet";
  char caption[128] = {};
  GetWindowTextA(sheet, caption, sizeof caption);
  EXPECT_STREQ(caption, "Screen Saver and Wallpaper Settings");
  EXPECT_EQ(GetWindow(sheet, GW_OWNER), viewer);

  // The display time of the first page. The sheet's window can be found
  // before it has made its first page.
  HWND delay = nullptr;
  for (int i = 0; i < 200 && delay == nullptr; ++i) {
    delay = FindDescendant(sheet, 1015);
    if (delay == nullptr) PumpFor(50);
  }
  ASSERT_NE(delay, nullptr);
  SendMessageA(delay, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("42"));
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  for (int i = 0; i < 200 && IsWindow(sheet); ++i) PumpFor(50);
  EXPECT_FALSE(IsWindow(sheet));
  EXPECT_EQ(GetPrivateProfileIntA("General", "ImageDelay", -1, UserSettingsFile().c_str()), 42);
  EXPECT_TRUE(IsWindowVisible(viewer)) << "the viewer stays";

  PostMessageA(viewer, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(p.WaitExit(10000));
}

}  // namespace
}  // namespace lumi
