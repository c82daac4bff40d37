// The engine program started in each mode, with and without a package,
// watched from outside: its windows, their captions, its exit.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "tests/support/Process.h"

namespace lumi {
namespace {

using zebtest::PumpFor;

constexpr char kSaverTitle[] = "ZIVODIZOVARIZAVUZEVURU";
// The saver ignores input in its first half second.
constexpr DWORD kPastStartPauseMs = 700;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Text(HWND w) {
  char buf[1024] = {};
  GetWindowTextA(w, buf, sizeof buf);
  return buf;
}

// The longest static text inside a dialog: a message box's message.
std::string DialogMessage(HWND dlg) {
  std::string best;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[64] = {};
    GetClassNameA(c, cls, sizeof cls);
    std::string t = Text(c);
    if (lstrcmpiA(cls, "Static") == 0 && t.size() > best.size()) best = t;
  }
  return best;
}

// A dialog's caption is there before its controls are made: the window can be
// found while its message is still missing, so wait for the message as well.
std::string WaitForDialogMessage(HWND dlg, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  std::string message = DialogMessage(dlg);
  while (message.empty() && IsWindow(dlg) && GetTickCount() - start < timeoutMs) {
    PumpFor(50);
    message = DialogMessage(dlg);
  }
  return message;
}

class EngineStartup : public ::testing::Test {
 protected:
  // A saver built by the builder from a small folder; without settings its
  // Settings.ini has no General_Settings section (the builder needs the file).
  std::string BuildSaver(const std::string& name, bool withSettings) {
    zebtest::TempFolder content;
    WriteFile(content.File("Settings.ini"),
              withSettings ? "[General_Settings]\r\nTitle=E2E Saver\r\n" : "[Other]\r\n");
    WriteFile(content.File("Pics.cvn"), "[General]\r\nCount=0\r\n");
    std::string out = folder.File(name);
    EXPECT_TRUE(zebtest::RunSaverBuilder(zebtest::WindowsPath(LUMIPACK_EXE),
                                         zebtest::WindowsPath(LUMISHOW_EXE), out, content.Path()));
    return out;
  }
  std::string UserSettingsFile() {
    char dir[MAX_PATH] = {};
    GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\KVSE_Screen_Saver.ini";
  }

  zebtest::TempFolder folder;
};

TEST_F(EngineStartup, WithoutAPackageItSaysSoAndStillRunsTheSaver) {
  std::string plain = folder.File("Plain.scr");
  CopyFileA(zebtest::WindowsPath(LUMISHOW_EXE).c_str(), plain.c_str(), FALSE);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(plain, "/s"));
  HWND box = zebtest::WaitForWindow(p.Id(), "#32770", "Plain", 15000);
  ASSERT_NE(box, nullptr) << "the message box carries the program's name as caption";
  EXPECT_EQ(WaitForDialogMessage(box, 5000), "Not a bound EXE package.\n\n" + plain);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND saver = zebtest::WaitForWindow(p.Id(), nullptr, kSaverTitle, 15000);
  ASSERT_NE(saver, nullptr);
  PumpFor(kPastStartPauseMs);
  PostMessageA(saver, WM_KEYDOWN, 'A', 0);
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(p.ExitCode(), 0u);
}

TEST_F(EngineStartup, SaverCoversTheScreenAndRefusesASecondInstance) {
  std::string scr = BuildSaver("E2E.scr", true);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/s"));
  HWND saver = zebtest::WaitForWindow(p.Id(), "LumishowSaverWindow", kSaverTitle, 15000);
  ASSERT_NE(saver, nullptr);
  RECT r;
  GetWindowRect(saver, &r);
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
  for (const char* args : {"/c", "/s", "/p 5"}) {
    zebtest::Process second;
    ASSERT_TRUE(second.Start(scr, args));
    EXPECT_TRUE(second.WaitExit(10000)) << args << ": a running saver refuses another";
    EXPECT_EQ(second.ExitCode(), 0u);
  }
  PumpFor(kPastStartPauseMs);
  PostMessageA(saver, WM_LBUTTONDOWN, 0, 0);
  ASSERT_TRUE(p.WaitExit(10000));
}

TEST_F(EngineStartup, NoSwitchOrNoUsableHandleEndsSilently) {
  std::string scr = BuildSaver("Quiet.scr", true);
  for (const char* args : {"", "/x", "/p", "/p 0", "/p abc"}) {
    zebtest::Process p;
    ASSERT_TRUE(p.Start(scr, args));
    EXPECT_TRUE(p.WaitExit(10000)) << args;
    EXPECT_EQ(p.ExitCode(), 0u);
  }
}

TEST_F(EngineStartup, ViewerCarriesTheTitleAndKeepsASecondViewerAway) {
  std::string scr = BuildSaver("Viewer.scr", true);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/c:5678"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", "E2E Saver", 15000);
  ASSERT_NE(viewer, nullptr);
  zebtest::Process second;
  ASSERT_TRUE(second.Start(scr, "/c"));
  EXPECT_TRUE(second.WaitExit(10000)) << "a second viewer is refused";
  // The saver itself may start while the viewer is open.
  zebtest::Process saver;
  ASSERT_TRUE(saver.Start(scr, "/s"));
  HWND wnd = zebtest::WaitForWindow(saver.Id(), nullptr, kSaverTitle, 15000);
  EXPECT_NE(wnd, nullptr);
  PumpFor(kPastStartPauseMs);
  if (wnd) PostMessageA(wnd, WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(saver.WaitExit(10000));
  PostMessageA(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(p.WaitExit(10000));
}

// Where start-up keeps the switch of the preview's quick note for a saver of this title.
constexpr char kQuickNotesKey[] = "Software\\Corvane\\Kvse Screen Savers\\E2E Saver\\QuickNotes";
constexpr char kPreviewNoteSwitch[] = "DontShowDialog#102";
constexpr int kNoteText = 1001, kNeverAgainBox = 1000;

TEST_F(EngineStartup, PreviewModeNotesTheResetMarksTheTitleAndDeletesUserSettings) {
  std::string scr = BuildSaver("Try.scr", true);
  zebtest::RegistryValueGuard noteSwitch(kQuickNotesKey, kPreviewNoteSwitch);
  noteSwitch.SetDword(0);
  WriteFile(UserSettingsFile(), "[General]\r\nImageDelay=99\r\n");
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/preview /c"));
  HWND note = zebtest::WaitForWindow(p.Id(), "#32770", "Quick Note", 15000);
  ASSERT_NE(note, nullptr) << "the quick note comes first";
  char text[512] = {};
  GetDlgItemTextA(note, kNoteText, text, sizeof text);
  EXPECT_NE(std::string(text).find("Previewing"), std::string::npos) << text;
  EXPECT_EQ(zebtest::WaitForWindow(p.Id(), "#32770", "[Preview] E2E Saver", 0), nullptr)
      << "the viewer waits for the note";
  PostMessageA(note, WM_COMMAND, IDOK, 0);
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", "[Preview] E2E Saver", 15000);
  ASSERT_NE(viewer, nullptr);
  // The earlier settings are gone (configuration then stores the saver's own path afresh).
  EXPECT_EQ(GetPrivateProfileIntA("General", "ImageDelay", -1, UserSettingsFile().c_str()), -1);
  PostMessageA(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(p.WaitExit(10000));

  // "/preview" alone also counts as "/p", with "eview" for a handle: it ends.
  WriteFile(UserSettingsFile(), "[General]\r\n");
  zebtest::Process alone;
  ASSERT_TRUE(alone.Start(scr, "/preview"));
  HWND note2 = zebtest::WaitForWindow(alone.Id(), "#32770", "Quick Note", 15000);
  ASSERT_NE(note2, nullptr);
  PostMessageA(note2, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(alone.WaitExit(10000));
  EXPECT_EQ(GetFileAttributesA(UserSettingsFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EngineStartup, APreviewNoteSwitchedOffStaysAwayInLaterRuns) {
  std::string scr = BuildSaver("Twice.scr", true);
  zebtest::RegistryValueGuard noteSwitch(kQuickNotesKey, kPreviewNoteSwitch);
  noteSwitch.SetDword(0);
  zebtest::Process first;
  ASSERT_TRUE(first.Start(scr, "/preview"));
  HWND note = zebtest::WaitForWindow(first.Id(), "#32770", "Quick Note", 15000);
  ASSERT_NE(note, nullptr);
  // Ticked, then closed with OK.
  SendMessageA(GetDlgItem(note, kNeverAgainBox), BM_SETCHECK, BST_CHECKED, 0);
  PostMessageA(note, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(first.WaitExit(10000));

  HKEY key = nullptr;
  DWORD stored = 0, size = sizeof stored;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kQuickNotesKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  RegQueryValueExA(key, kPreviewNoteSwitch, nullptr, nullptr, reinterpret_cast<BYTE*>(&stored),
                   &size);
  RegCloseKey(key);
  EXPECT_EQ(stored, 1u);

  zebtest::Process later;
  ASSERT_TRUE(later.Start(scr, "/preview"));
  EXPECT_TRUE(later.WaitExit(10000)) << "no note holds the later run up";
}

std::string SystemSaver() {
  char value[MAX_PATH] = {};
  GetPrivateProfileStringA("boot", "scrnsave.exe", "", value, MAX_PATH, "system.ini");
  return value;
}

TEST_F(EngineStartup, ConfigurationMakesThisSaverTheSystemsSaver) {
  WritePrivateProfileStringA("boot", "scrnsave.exe", "c:\\windows\\other.scr", "system.ini");
  std::string scr = BuildSaver("Mine.scr", true);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/c"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", "E2E Saver", 15000);
  ASSERT_NE(viewer, nullptr);
  char shortPath[MAX_PATH] = {};
  GetShortPathNameA(scr.c_str(), shortPath, MAX_PATH);
  std::string expected = shortPath;
  for (char& c : expected) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(SystemSaver(), expected);
  PostMessageA(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(p.WaitExit(10000));
  WritePrivateProfileStringA("boot", "scrnsave.exe", nullptr, "system.ini");
}

TEST_F(EngineStartup, WithoutATitleTheDefaultOneIsUsed) {
  std::string scr = BuildSaver("Untitled.scr", false);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/c"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", "Lumishow Screen Saver", 15000);
  ASSERT_NE(viewer, nullptr);
  PostMessageA(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(p.WaitExit(10000));
}

TEST_F(EngineStartup, PreviewRunsAsAChildOfTheGivenWindow) {
  std::string scr = BuildSaver("Small.scr", true);
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 10, 10, 152, 112, nullptr,
                              nullptr, nullptr, nullptr);
  PumpFor(100);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/p " + std::to_string(reinterpret_cast<UINT_PTR>(host))));
  HWND child = zebtest::WaitForChild(host, "LumishowSaverWindow", kSaverTitle, 15000);
  ASSERT_NE(child, nullptr);
  RECT r;
  GetClientRect(child, &r);
  EXPECT_EQ(r.right, 152);
  EXPECT_EQ(r.bottom, 112);
  // Input inside the preview does not end it.
  PostMessageA(child, WM_KEYDOWN, 'A', 0);
  PumpFor(500);
  EXPECT_TRUE(p.Running());
  DestroyWindow(host);
  for (int i = 0; i < 200 && p.Running(); ++i) PumpFor(50);
  EXPECT_FALSE(p.Running());
}

#ifdef LUMISHOW_SAMPLE
TEST_F(EngineStartup, TheSampleSaverExtractsItsFilesForItsLifeOnly) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string files[] = {"Settings.ini", "Pics.cvn", "Daybreak.rmi", "Starlight.rmi"};
  for (const std::string& f : files) DeleteFileA((temp + f).c_str());
  zebtest::Process p;
  ASSERT_TRUE(p.Start(zebtest::WindowsPath(LUMISHOW_SAMPLE), "/c"));
  HWND viewer = zebtest::WaitForWindow(p.Id(), "#32770", "Lumishow Sample Saver", 15000);
  ASSERT_NE(viewer, nullptr) << "the title comes from the package's settings";
  for (const std::string& f : files) {
    EXPECT_NE(GetFileAttributesA((temp + f).c_str()), INVALID_FILE_ATTRIBUTES)
        << f << " is extracted under its stored name";
  }
  PostMessageA(viewer, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(p.WaitExit(10000));
  for (const std::string& f : files) {
    EXPECT_EQ(GetFileAttributesA((temp + f).c_str()), INVALID_FILE_ATTRIBUTES)
        << f << " is removed when the program ends";
  }
}
#endif

}  // namespace
}  // namespace lumi
