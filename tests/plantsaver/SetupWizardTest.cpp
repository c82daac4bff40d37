// The setup wizard driven by button clicks against a stand-in system that
// records every step it would have taken.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "common/Application.h"
#include "common/Form.h"
#include "plantsaver/setup/DirectoryPicker.h"
#include "plantsaver/setup/SaverInstall.h"
#include "plantsaver/setup/SetupWizard.h"
#include "plantsaver/setup/SetupWizardIds.h"
#include "tests/support/Process.h"

namespace gulpleaf {
namespace {

constexpr char kPrograms[] = "C:\\Users\\me\\Start Menu\\Programs";
constexpr char kSaverFolderPath[] =
    "C:\\Users\\me\\Start Menu\\Programs\\Zeb_savers\\Gulpleaf Saver";

struct ShownMessage {
  std::string text, caption;
  UINT flags;
};

class RecordingSystem final : public SetupSystem {
 public:
  std::string WindowsDirectory() override { return windowsDirectory; }
  std::string ProgramFile() override { return "A:\\setup\\gulpleaf.exe"; }
  bool FileExists(const std::string& path) override { return existing.count(path) > 0; }
  bool CopyOver(const std::string& from, const std::string& to) override {
    Log("copy " + from + " -> " + to);
    return copySucceeds;
  }
  std::string ProgramsFolder() override { return programsFolder; }
  bool EnsureFolder(const std::string& path) override {
    Log("folder " + path);
    return failingFolders.count(path) == 0;
  }
  void OpenFolder(const std::string& path) override { Log("open " + path); }
  bool CreateShortcut(const ShortcutLink& s) override {
    Log("link " + s.linkPath);
    shortcuts.push_back(s);
    return failingLinks.count(s.linkPath) == 0;
  }
  std::string ShortPath(const std::string& path) override {
    return shortPathWorks ? "SHORT(" + path + ")" : "";
  }
  void WriteSystemIni(const std::string& section, const std::string& key,
                      const std::string& value) override {
    Log("ini [" + section + "] " + key + "=" + value);
  }
  void SwitchScreenSaverOn() override { Log("saver on"); }
  void StartProgram(const std::string& program, const std::string& parameters,
                    const std::string& directory) override {
    Log("start " + program + " | " + parameters + " | " + directory);
  }
  int Message(HWND, const std::string& text, const std::string& caption, UINT flags) override {
    messages.push_back({text, caption, flags});
    Log("message " + caption);
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> PickDirectory(HWND, const std::string& initial) override {
    pickedFrom = initial;
    return picked;
  }

  void Log(const std::string& event) {
    log.push_back(event);
    progressAt.push_back(progress ? static_cast<int>(SendMessageA(progress, PBM_GETPOS, 0, 0))
                                  : -1);
  }
  bool Logged(const std::string& prefix) const {
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  }

  std::string windowsDirectory = "C:\\WINDOWS";
  std::string programsFolder = kPrograms;
  std::set<std::string> existing, failingFolders, failingLinks;
  bool copySucceeds = true, shortPathWorks = true;
  std::deque<int> answers;
  std::optional<std::string> picked;
  std::string pickedFrom;
  std::vector<std::string> log;
  std::vector<int> progressAt;  // the bar's position when each event happened
  std::vector<ShownMessage> messages;
  std::vector<ShortcutLink> shortcuts;
  HWND progress = nullptr;
};

class SetupWizardTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A main form of its own, so that closing a wizard only hides it
    // instead of ending the test's message loop.
    static zeb::Form mainForm;
    static bool made = false;
    if (!made) {
      zeb::Application::Instance().Initialize(GetModuleHandleA(nullptr));
      zeb::FormStyle style;
      style.caption = "test main form";
      made = mainForm.Create(style);
    }
  }

  void Open() {
    wizard_ = std::make_unique<TForm3>(system);
    ASSERT_TRUE(wizard_->CreateForm());
    wizard_->Show();
    system.progress = Item(kIdProgress);
  }
  HWND Item(int id) const { return GetDlgItem(wizard_->Handle(), id); }
  void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
  void Untick(int id) { SendMessageA(Item(id), BM_SETCHECK, BST_UNCHECKED, 0); }
  bool Shown(int id) const { return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  std::string Text(int id) const {
    char text[1024] = "";
    GetWindowTextA(Item(id), text, sizeof(text));
    return text;
  }
  bool IsOpen() const { return IsWindowVisible(wizard_->Handle()) != FALSE; }
  int Progress() const {
    return static_cast<int>(SendMessageA(Item(kIdProgress), PBM_GETPOS, 0, 0));
  }
  void RunSetup() {
    Open();
    Click(kIdNext);
    Click(kIdSetup);
  }

  RecordingSystem system;
  std::unique_ptr<TForm3> wizard_;
};

TEST_F(SetupWizardTest, OpensOnTheWelcomePageWithItsTextAndTheWindowsDirectory) {
  Open();
  HWND form = wizard_->Handle();
  char caption[100] = "";
  GetWindowTextA(form, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Zeb's Gulpleaf Screen Saver Setup");
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 379);
  EXPECT_EQ(client.bottom, 267);
  LONG style = GetWindowLongA(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));

  EXPECT_EQ(wizard_->Page(), SetupPage::Welcome);
  for (int id : {kIdWelcomeText, kIdWelcomeCancel, kIdNext}) EXPECT_TRUE(Shown(id)) << id;
  for (int id : {kIdSetup, kIdDestDir, kIdLogo, kIdFinish}) EXPECT_FALSE(Shown(id)) << id;
  EXPECT_EQ(GetFocus(), Item(kIdNext));

  std::string text = Text(kIdWelcomeText);
  EXPECT_EQ(
      text.rfind(" Welcome to Zeb's screen saver  Setup program.\r\n"
                 " This program will install a Zeb screen saver on\r\n your computer.\r\n\r\n",
                 0),
      0u);
  EXPECT_NE(text.find(" programs you have running. Click Netxt to\r\n"
                      " continue with the Setup program.\r\n"),
            std::string::npos);

  // The directory gains the backslash the saver's file name is appended to.
  EXPECT_EQ(wizard_->DestinationDirectory(), "C:\\WINDOWS\\");
  EXPECT_EQ(Text(kIdDestDir), "  C:\\WINDOWS\\");
  EXPECT_EQ(IsDlgButtonChecked(form, kIdStartLink), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(form, kIdSetActive), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(form, kIdStartConfig), BST_CHECKED);
}

TEST_F(SetupWizardTest, NextShowsTheSetupPageWithTheLogoInTheBottomLeftCorner) {
  Open();
  Click(kIdNext);
  EXPECT_EQ(wizard_->Page(), SetupPage::Setup);
  for (int id : {kIdDestDir, kIdBrowse, kIdStartLink, kIdSetActive, kIdProgress, kIdSetup,
                 kIdSetupCancel, kIdLogo})
    EXPECT_TRUE(Shown(id)) << id;
  for (int id : {kIdWelcomeText, kIdNext, kIdFinish}) EXPECT_FALSE(Shown(id)) << id;
  EXPECT_EQ(GetFocus(), Item(kIdSetup));
  RECT logo;
  GetWindowRect(Item(kIdLogo), &logo);
  MapWindowPoints(nullptr, wizard_->Handle(), reinterpret_cast<POINT*>(&logo), 2);
  EXPECT_EQ(logo.right - logo.left, 98 + 4);
  EXPECT_EQ(logo.bottom - logo.top, 90 + 4);
  EXPECT_LT(logo.left, 20);
  EXPECT_GT(logo.bottom, 267 - 20);
  EXPECT_TRUE(system.log.empty()) << "nothing is done before SETUP";
}

TEST_F(SetupWizardTest, CancelEndsAtOnceOnTheWelcomePageAndAsksFirstOnTheSetupPage) {
  Open();
  Click(kIdWelcomeCancel);
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(system.messages.empty());

  system.answers = {IDNO, IDYES};
  Open();
  Click(kIdNext);
  Click(kIdSetupCancel);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].caption, "EXIT");
  EXPECT_EQ(system.messages[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(system.messages[0].text,
            "Setup is not complete. If you quit now the program \nwill not be installed.\n\n"
            "You can run Setup at a later time to complete\n the installation.\n\n"
            "Do you really want to EXIT setup ?");
  EXPECT_TRUE(IsOpen()) << "No keeps the wizard";
  Click(kIdSetupCancel);
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(system.log.size() == 2u) << "only the two questions";
}

TEST_F(SetupWizardTest, SetupCopiesLinksAndActivatesInOrderThenShowsTheFinishPage) {
  RunSetup();
  const std::string saver = "C:\\WINDOWS\\gulpleafSaver.scr";
  const std::vector<std::string> expected = {
      "copy A:\\setup\\gulpleaf.exe -> " + saver,
      std::string("folder ") + kPrograms + "\\Zeb_savers",
      std::string("folder ") + kSaverFolderPath,
      std::string("open ") + kSaverFolderPath,
      std::string("link ") + kSaverFolderPath + "\\configure Gulpleaf Saver.lnk",
      std::string("link ") + kSaverFolderPath + "\\test Gulpleaf Saver.lnk",
      "ini [boot] SCRNSAVE.EXE=SHORT(" + saver + ")",
      "saver on",
  };
  EXPECT_EQ(system.log, expected);
  // The bar moves a tenth per step: copied after one, the links at five and six.
  EXPECT_EQ(system.progressAt, (std::vector<int>{10, 20, 30, 40, 50, 60, 80, 80}));
  EXPECT_EQ(Progress(), 100);
  EXPECT_TRUE(system.messages.empty());

  ASSERT_EQ(system.shortcuts.size(), 2u);
  const ShortcutLink& configure = system.shortcuts[0];
  EXPECT_EQ(configure.target, "rundll32.exe");
  EXPECT_EQ(configure.arguments, "desk.cpl,InstallScreenSaver " + saver);
  EXPECT_EQ(configure.iconFile, saver);
  EXPECT_EQ(configure.workingDirectory, "");
  const ShortcutLink& test = system.shortcuts[1];
  EXPECT_EQ(test.target, saver);
  EXPECT_EQ(test.arguments, "");
  EXPECT_EQ(test.iconFile, "");
  EXPECT_EQ(test.workingDirectory, "C:\\WINDOWS\\");

  EXPECT_EQ(wizard_->Page(), SetupPage::Finish);
  for (int id : {kIdDoneLabel, kIdFinishHint, kIdStartConfig, kIdFinish}) EXPECT_TRUE(Shown(id));
  EXPECT_FALSE(Shown(kIdSetup));
  EXPECT_EQ(Text(kIdDoneLabel), "INSTALL SUCCESSFUL :)");
  EXPECT_EQ(GetFocus(), Item(kIdFinish));
}

struct SetupCase {
  const char* name;
  void (*arrange)(RecordingSystem&);
  bool startMenu, setActive;
  std::vector<std::string> expectLogged, expectNotLogged, expectMessages;
  bool finishes;
};

TEST_F(SetupWizardTest, SetupVariantsAndFailures) {
  const std::string saver = "C:\\WINDOWS\\gulpleafSaver.scr";
  const SetupCase cases[] = {
      {"declining to overwrite keeps the old file but links and activates it",
       [](RecordingSystem& s) {
         s.existing.insert("C:\\WINDOWS\\gulpleafSaver.scr");
         s.answers = {IDNO};
       },
       true,
       true,
       {"link ", "ini ", "saver on"},
       {"copy "},
       {"question"},
       true},
      {"agreeing to overwrite copies",
       [](RecordingSystem& s) {
         s.existing.insert("C:\\WINDOWS\\gulpleafSaver.scr");
         s.answers = {IDYES};
       },
       true,
       true,
       {"copy ", "link ", "ini "},
       {},
       {"question"},
       true},
      {"both boxes unticked only copies",
       [](RecordingSystem&) {},
       false,
       false,
       {"copy "},
       {"folder ", "open ", "link ", "ini ", "saver on"},
       {},
       true},
      {"a failed copy ends the wizard before anything else",
       [](RecordingSystem& s) { s.copySucceeds = false; },
       true,
       true,
       {"copy "},
       {"folder ", "link ", "ini ", "saver on"},
       {"ERROR"},
       false},
      {"a group folder that cannot be made skips the links, not the activation",
       [](RecordingSystem& s) { s.failingFolders.insert(std::string(kPrograms) + "\\Zeb_savers"); },
       true,
       true,
       {"ini ", "saver on"},
       {"open ", "link "},
       {"error"},
       true},
      {"a subfolder that cannot be made skips the links",
       [](RecordingSystem& s) { s.failingFolders.insert(kSaverFolderPath); },
       true,
       true,
       {"saver on"},
       {"open ", "link "},
       {"error"},
       true},
      {"no Programs folder makes no folder anywhere else",
       [](RecordingSystem& s) { s.programsFolder.clear(); },
       true,
       true,
       {"saver on"},
       {"folder ", "link "},
       {"error"},
       true},
      {"a link that fails is reported and the next one still made",
       [](RecordingSystem& s) {
         s.failingLinks.insert(std::string(kSaverFolderPath) + "\\configure Gulpleaf Saver.lnk");
       },
       true,
       true,
       {"link " + std::string(kSaverFolderPath) + "\\test", "saver on"},
       {},
       {"error"},
       true},
      {"without a short form the full path is written rather than nothing",
       [](RecordingSystem& s) { s.shortPathWorks = false; },
       false,
       true,
       {"ini [boot] SCRNSAVE.EXE=C:\\WINDOWS\\gulpleafSaver.scr"},
       {},
       {},
       true},
  };
  for (const SetupCase& c : cases) {
    SCOPED_TRACE(c.name);
    system = RecordingSystem();
    c.arrange(system);
    Open();
    Click(kIdNext);
    if (!c.startMenu) Untick(kIdStartLink);
    if (!c.setActive) Untick(kIdSetActive);
    Click(kIdSetup);
    for (const std::string& e : c.expectLogged) EXPECT_TRUE(system.Logged(e)) << e;
    for (const std::string& e : c.expectNotLogged) EXPECT_FALSE(system.Logged(e)) << e;
    std::vector<std::string> captions;
    for (const ShownMessage& m : system.messages) captions.push_back(m.caption);
    EXPECT_EQ(captions, c.expectMessages);
    EXPECT_EQ(wizard_->Page() == SetupPage::Finish, c.finishes);
    EXPECT_EQ(IsOpen(), c.finishes);
  }
}

TEST_F(SetupWizardTest, MessagesCarryTheirExactTextsAndIcons) {
  system.existing.insert("C:\\WINDOWS\\gulpleafSaver.scr");
  system.answers = {IDYES};
  system.copySucceeds = false;
  RunSetup();
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[0].text, "file 'gulpleafSaver.scr' exists !\noverwrite ?");
  EXPECT_EQ(system.messages[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(system.messages[1].text, "Setup Failed\n\nCan not write saver file !");
  EXPECT_EQ(system.messages[1].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

  system = RecordingSystem();
  system.failingFolders.insert(kSaverFolderPath);
  system.failingLinks.insert(std::string(kSaverFolderPath) + "\\test Gulpleaf Saver.lnk");
  RunSetup();
  system.failingFolders.clear();
  RunSetup();
  ASSERT_EQ(system.messages.size(), 2u);
  EXPECT_EQ(system.messages[0].text, "error creating start menu folder");
  EXPECT_EQ(system.messages[1].text, "Error creating link !");
  for (const ShownMessage& m : system.messages)
    EXPECT_EQ(m.flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(SetupWizardTest, BrowsedDirectoryGetsItsBackslashAndIsWhereSetupInstalls) {
  Open();
  Click(kIdNext);
  system.picked = "D:\\My Savers";
  Click(kIdBrowse);
  EXPECT_EQ(system.pickedFrom, "C:\\WINDOWS\\");
  EXPECT_EQ(Text(kIdDestDir), "  D:\\My Savers\\");
  system.picked = std::nullopt;  // cancelled: the choice stays
  Click(kIdBrowse);
  EXPECT_EQ(system.pickedFrom, "D:\\My Savers\\");
  EXPECT_EQ(Text(kIdDestDir), "  D:\\My Savers\\");
  system.picked = "E:\\";  // a root already ends in its backslash
  Click(kIdBrowse);
  EXPECT_EQ(Text(kIdDestDir), "  E:\\");
  system.picked = "D:\\My Savers";
  Click(kIdBrowse);

  Click(kIdSetup);
  EXPECT_TRUE(system.Logged("copy A:\\setup\\gulpleaf.exe -> D:\\My Savers\\gulpleafSaver.scr"));
  ASSERT_EQ(system.shortcuts.size(), 2u);
  EXPECT_EQ(system.shortcuts[1].workingDirectory, "D:\\My Savers\\");
  Click(kIdFinish);
  EXPECT_TRUE(system.Logged(
      "start rundll32.exe | desk.cpl,InstallScreenSaver D:\\My Savers\\gulpleafSaver.scr | "
      "D:\\My Savers\\"));
  EXPECT_FALSE(IsOpen());
}

TEST_F(SetupWizardTest, FinishWithTheBoxUntickedOnlyCloses) {
  RunSetup();
  Untick(kIdStartConfig);
  Click(kIdFinish);
  EXPECT_FALSE(system.Logged("start "));
  EXPECT_FALSE(IsOpen());
}

TEST(SaverInstallText, DirectoriesGetExactlyOneTrailingBackslash) {
  EXPECT_EQ(WithTrailingBackslash("C:\\WINDOWS"), "C:\\WINDOWS\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\WINDOWS\\"), "C:\\WINDOWS\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
}

TEST(DirectoryPicker, TypedDirectoriesAreMadeWithTheirMissingParents) {
  zebtest::TempFolder folder;
  const std::string deep = folder.Path() + "\\new saver\\and below";
  EXPECT_TRUE(MakeDirectoryPath(deep));
  EXPECT_NE(GetFileAttributesA(deep.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_TRUE(MakeDirectoryPath(deep)) << "an existing directory is fine";
  EXPECT_TRUE(MakeDirectoryPath(deep + "\\")) << "so is a trailing backslash";
  // A file standing in the way is no directory.
  const std::string file = folder.Path() + "\\plain";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_FALSE(MakeDirectoryPath(file));
  EXPECT_FALSE(MakeDirectoryPath(file + "\\below"));
  EXPECT_FALSE(MakeDirectoryPath(""));
  RemoveDirectoryA(deep.c_str());
  RemoveDirectoryA((folder.Path() + "\\new saver").c_str());
}

}  // namespace
}  // namespace gulpleaf
