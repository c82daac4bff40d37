// The setup wizard run as the real program (the saver under an .exe name)
// installing into the private prefix's Windows folder, driven by posted
// clicks and read back from the files, shortcuts and system.ini it leaves.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "plantsaver/setup/SetupWizardIds.h"
#include "tests/e2e/SaverHarness.h"

namespace zebtest {
namespace {

using namespace gulpleaf;

constexpr char kWizardTitle[] = "Zeb's Gulpleaf Screen Saver Setup";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string WindowsFolder() {
  char dir[MAX_PATH] = "";
  GetWindowsDirectoryA(dir, MAX_PATH);
  std::string s = dir;
  if (s.back() != '\\') s += '\\';
  return s;
}

std::string ProgramsFolder() {
  char dir[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, dir, CSIDL_PROGRAMS, FALSE);
  return dir;
}

std::string LinkFolder() { return ProgramsFolder() + "\\Zeb_savers\\Gulpleaf Saver"; }

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }
bool IsFile(const std::string& path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

LONGLONG FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ShortPath(const std::string& path) {
  char buffer[MAX_PATH] = "";
  return GetShortPathNameA(path.c_str(), buffer, MAX_PATH) ? buffer : "";
}

std::string BootSaver() {
  char value[MAX_PATH] = "";
  GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", value, MAX_PATH, "system.ini");
  return value;
}

struct Shortcut {
  bool loaded = false;
  std::string target, arguments, workingDirectory, icon;
};

// Reads a .lnk back through the shell's own link object.
Shortcut ReadShortcut(const std::string& path) {
  Shortcut s;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return s;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
      char text[1024] = "";
      int index = -1;
      s.loaded = true;
      if (SUCCEEDED(link->GetPath(text, sizeof(text), nullptr, SLGP_RAWPATH))) s.target = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetArguments(text, sizeof(text)))) s.arguments = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof(text)))) s.workingDirectory = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetIconLocation(text, sizeof(text), &index))) s.icon = text;
    }
    file->Release();
  }
  link->Release();
  return s;
}

// Every file below a folder of the user's own (outside the prefix), to see
// that installing added nothing there.
void ListFiles(const std::string& folder, std::set<std::string>& out) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    out.insert(folder + "\\" + name);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ListFiles(folder + "\\" + name, out);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

std::set<std::string> DesktopMenuFiles() {
  char home[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("HOME", home, MAX_PATH)) return {};
  std::set<std::string> files;
  for (const char* sub :
       {"/.local/share/applications", "/.config/menus", "/.local/share/desktop-directories"})
    ListFiles(WindowsPath(std::string(home) + sub), files);
  return files;
}

// Shell windows that the wizard opened on its Start-menu folder.
BOOL CALLBACK CloseFolderWindow(HWND window, LPARAM wizardProcess) {
  char title[256] = "";
  GetWindowTextA(window, title, sizeof(title));
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != static_cast<DWORD>(wizardProcess) && IsWindowVisible(window) &&
      std::string(title).find("Gulpleaf Saver") != std::string::npos &&
      std::string(title) != kWizardTitle) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

class Wizard {
 public:
  explicit Wizard(const TempFolder& folder) {
    program_ = folder.File("GulpleafSetup.exe");
    CopyFileA(SaverPath().c_str(), program_.c_str(), FALSE);
  }
  ~Wizard() { EnumWindows(CloseFolderWindow, static_cast<LPARAM>(process_.Id())); }
  const std::string& Program() const { return program_; }
  bool Start() {
    if (!process_.Start(program_, "")) return false;
    window_ = WaitForWindow(process_.Id(), "ZebForm", kWizardTitle, 15000);
    // The form exists before it is shown, and a click on a hidden button is lost.
    return window_ != nullptr && WaitShown(kIdNext);
  }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  void Click(int id) const { PostMessageA(Item(id), BM_CLICK, 0, 0); }
  void Untick(int id) const { PostMessageA(Item(id), BM_SETCHECK, BST_UNCHECKED, 0); }
  bool WaitShown(int id, DWORD ms = 15000) const {
    for (DWORD waited = 0; waited < ms; waited += 50) {
      if (IsWindowVisible(Item(id))) return true;
      Sleep(50);
    }
    return false;
  }
  HWND WaitMessage(const char* caption, DWORD ms = 15000) const {
    return WaitForWindow(process_.Id(), "#32770", caption, ms);
  }
  std::string MessageText(HWND box) const {
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
  }
  std::string Text(int id) const {
    char text[512] = "";
    GetWindowTextA(Item(id), text, sizeof(text));
    return text;
  }
  // NEXT, then the setup page with the given choices, then SETUP.
  void RunSetup(bool startMenu, bool setActive) const {
    Click(kIdNext);
    ASSERT_TRUE(WaitShown(kIdSetup));
    if (!startMenu) Untick(kIdStartLink);
    if (!setActive) Untick(kIdSetActive);
    Click(kIdSetup);
  }
  // Leaves from the finish page without starting the display settings.
  void Finish() {
    ASSERT_TRUE(WaitShown(kIdFinish));
    Untick(kIdStartConfig);
    Click(kIdFinish);
    EXPECT_TRUE(process_.WaitExit(15000));
    EXPECT_EQ(process_.ExitCode(), 0u);
  }
  Process& Proc() { return process_; }

 private:
  std::string program_;
  Process process_;
  HWND window_ = nullptr;
};

class PlantSaverSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    char overrides[512] = "";
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof(overrides));
    ASSERT_NE(std::string(overrides).find("winemenubuilder.exe=d"), std::string::npos)
        << "shortcuts would reach the desktop's menus: run under scripts/wine-env.sh";
    CoInitialize(nullptr);
    menusBefore_ = DesktopMenuFiles();
    saver_ = WindowsFolder() + "gulpleafSaver.scr";
    RemoveInstall();
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "none.scr", "system.ini");
  }
  void TearDown() override {
    RemoveInstall();
    EXPECT_EQ(DesktopMenuFiles(), menusBefore_) << "nothing may appear in the desktop's menus";
    CoUninitialize();
  }
  void RemoveInstall() {
    SetFileAttributesA(saver_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(saver_.c_str());
    RemoveDirectoryA(saver_.c_str());
    DeleteFileA((LinkFolder() + "\\configure Gulpleaf Saver.lnk").c_str());
    DeleteFileA((LinkFolder() + "\\test Gulpleaf Saver.lnk").c_str());
    RemoveDirectoryA(LinkFolder().c_str());
    RemoveDirectoryA((ProgramsFolder() + "\\Zeb_savers").c_str());
  }
  // Read from where the switch is stored: this process keeps its own copy
  // of the system parameters, which the wizard's change does not reach.
  static bool SaverActive() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
      return false;
    char value[16] = "";
    DWORD size = sizeof(value) - 1, type = 0;
    LONG result = RegQueryValueExA(key, "ScreenSaveActive", nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ && std::string(value) == "1";
  }

  TempFolder folder_;
  std::string saver_;
  std::set<std::string> menusBefore_;
};

TEST_F(PlantSaverSetup, FullInstallCopiesLinksAndActivatesTheSaver) {
  Wizard wizard(folder_);
  ASSERT_TRUE(wizard.Start());
  EXPECT_EQ(wizard.Text(kIdDestDir), "  " + WindowsFolder());
  wizard.RunSetup(true, true);
  ASSERT_TRUE(wizard.WaitShown(kIdFinish));
  EXPECT_EQ(wizard.Text(kIdDoneLabel), "INSTALL SUCCESSFUL :)");

  ASSERT_TRUE(IsFile(saver_));
  EXPECT_EQ(FileSize(saver_), FileSize(wizard.Program())) << "the program copies itself";

  Shortcut configure = ReadShortcut(LinkFolder() + "\\configure Gulpleaf Saver.lnk");
  ASSERT_TRUE(configure.loaded);
  EXPECT_NE(Lower(configure.target).find("rundll32.exe"), std::string::npos) << configure.target;
  EXPECT_EQ(configure.arguments, "desk.cpl,InstallScreenSaver " + saver_);
  EXPECT_EQ(Lower(configure.icon), Lower(saver_));
  Shortcut test = ReadShortcut(LinkFolder() + "\\test Gulpleaf Saver.lnk");
  ASSERT_TRUE(test.loaded);
  EXPECT_EQ(Lower(test.target), Lower(saver_));
  EXPECT_EQ(test.arguments, "");
  EXPECT_EQ(Lower(test.workingDirectory).rfind(Lower(WindowsFolder().substr(0, 10)), 0), 0u)
      << test.workingDirectory;

  // system.ini names the saver by its 8.3 path, never the long one.
  std::string boot = BootSaver();
  EXPECT_EQ(Lower(boot), Lower(ShortPath(saver_)));
  EXPECT_NE(boot.find('~'), std::string::npos) << boot;
  EXPECT_TRUE(SaverActive());
  wizard.Finish();
}

TEST_F(PlantSaverSetup, DecliningToOverwriteStillLinksAndActivatesTheOldFile) {
  const char old[] = "an older saver";
  HANDLE f = CreateFileA(saver_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(f, old, sizeof(old), &written, nullptr);
  CloseHandle(f);

  Wizard wizard(folder_);
  ASSERT_TRUE(wizard.Start());
  wizard.RunSetup(true, true);
  HWND question = wizard.WaitMessage("question");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(wizard.MessageText(question), "file 'gulpleafSaver.scr' exists !\noverwrite ?");
  PostMessageA(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
  ASSERT_TRUE(wizard.WaitShown(kIdFinish));

  EXPECT_EQ(FileSize(saver_), static_cast<LONGLONG>(sizeof(old))) << "the old file is kept";
  EXPECT_TRUE(ReadShortcut(LinkFolder() + "\\configure Gulpleaf Saver.lnk").loaded);
  EXPECT_EQ(Lower(ReadShortcut(LinkFolder() + "\\test Gulpleaf Saver.lnk").target), Lower(saver_));
  EXPECT_EQ(Lower(BootSaver()), Lower(ShortPath(saver_)));
  EXPECT_TRUE(SaverActive());
  wizard.Finish();
}

TEST_F(PlantSaverSetup, BothBoxesUntickedOnlyCopies) {
  Wizard wizard(folder_);
  ASSERT_TRUE(wizard.Start());
  wizard.RunSetup(false, false);
  ASSERT_TRUE(wizard.WaitShown(kIdFinish));
  EXPECT_TRUE(IsFile(saver_));
  EXPECT_EQ(Attributes(ProgramsFolder() + "\\Zeb_savers"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(BootSaver(), "none.scr");
  EXPECT_FALSE(SaverActive());
  wizard.Finish();
}

// The folder tree of the shell's folder browser, wherever the dialog nests it.
BOOL CALLBACK FindTree(HWND child, LPARAM found) {
  char cls[32] = "";
  GetClassNameA(child, cls, sizeof(cls));
  if (lstrcmpiA(cls, "SysTreeView32") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The shell names a chosen folder without a trailing backslash; the wizard
// must add one before it appends the saver's file name.
TEST_F(PlantSaverSetup, FolderPickedInTheBrowserGetsItsBackslashAndReceivesTheSaver) {
  Wizard wizard(folder_);
  ASSERT_TRUE(wizard.Start());
  wizard.Click(kIdNext);
  ASSERT_TRUE(wizard.WaitShown(kIdBrowse));
  wizard.Click(kIdBrowse);
  HWND browser = wizard.WaitMessage(nullptr);
  ASSERT_NE(browser, nullptr) << "the folder browser";
  HWND tree = nullptr;
  EnumChildWindows(browser, FindTree, reinterpret_cast<LPARAM>(&tree));
  ASSERT_NE(tree, nullptr);
  // The browser opens on the Windows folder; one step up the tree picks the
  // folder listed before it.
  PostMessageA(tree, WM_KEYDOWN, VK_UP, 0);
  Sleep(500);
  PostMessageA(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
  std::string shown;
  for (int i = 0; i < 200; ++i) {
    shown = wizard.Text(kIdDestDir);
    if (shown != "  " + WindowsFolder()) break;
    Sleep(50);
  }
  ASSERT_NE(shown, "  " + WindowsFolder()) << "another folder was picked";
  ASSERT_GT(shown.size(), 4u);
  EXPECT_EQ(shown.substr(0, 2), "  ");
  const std::string destination = shown.substr(2);
  EXPECT_EQ(destination.back(), '\\');
  EXPECT_NE(destination[destination.size() - 2], '\\') << "exactly one backslash";
  ASSERT_NE(Attributes(destination), INVALID_FILE_ATTRIBUTES) << destination;

  wizard.Untick(kIdStartLink);
  wizard.Untick(kIdSetActive);
  wizard.Click(kIdSetup);
  ASSERT_TRUE(wizard.WaitShown(kIdFinish));
  EXPECT_TRUE(IsFile(destination + "gulpleafSaver.scr")) << destination;
  EXPECT_FALSE(IsFile(saver_)) << "nothing in the Windows folder";
  wizard.Finish();
  DeleteFileA((destination + "gulpleafSaver.scr").c_str());
}

TEST_F(PlantSaverSetup, UnwritableSaverFileEndsWithSetupFailed) {
  // A folder standing where the saver file goes cannot be written over.
  ASSERT_TRUE(CreateDirectoryA(saver_.c_str(), nullptr));
  Wizard wizard(folder_);
  ASSERT_TRUE(wizard.Start());
  wizard.RunSetup(true, true);
  HWND error = wizard.WaitMessage("ERROR");
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(wizard.MessageText(error), "Setup Failed\n\nCan not write saver file !");
  PostMessageA(GetDlgItem(error, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(wizard.Proc().WaitExit(15000)) << "the wizard closes";
  EXPECT_EQ(Attributes(ProgramsFolder() + "\\Zeb_savers"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(BootSaver(), "none.scr");
}

}  // namespace
}  // namespace zebtest
