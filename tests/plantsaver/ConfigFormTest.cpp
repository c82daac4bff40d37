// The configuration form in-process, driven by posted messages and clicks as
// the user would, with the sounds and the device volume recorded.
#include <gtest/gtest.h>
#include <windows.h>
// The control classes' messages need the base Windows types first.
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/Application.h"
#include "common/Form.h"
#include "plantsaver/setup/ConfigForm.h"
#include "plantsaver/setup/ConfigFormIds.h"
#include "plantsaver/setup/SettingsStore.h"

namespace gulpleaf {
namespace {
using namespace config_ids;

constexpr char kKey[] = "software\\Zeb_brio\\sproutSaver";

class RecordingSounds final : public SoundPlayer {
 public:
  void Play(int waveId, bool looped) override {
    log.push_back(std::to_string(waveId) + (looped ? " looped" : ""));
  }
  void Stop() override { log.push_back("stop"); }
  std::vector<std::string> log;
};

// A device whose level follows what is written, or one that cannot be read.
class FakeVolume final : public VolumeDevice {
 public:
  std::optional<DWORD> Read() override {
    if (!readable) return std::nullopt;
    return level;
  }
  void Write(DWORD levels) override {
    writes.push_back(levels);
    level = levels;
  }
  bool readable = true;
  DWORD level = 0;
  std::vector<DWORD> writes;
};

void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(1);
  }
}

// Stands for the hidden saver form: it notes what was stored when TEST showed
// it and closes itself at once.
class FakeSaverForm final : public zeb::Form {
 public:
  bool Make() {
    zeb::FormStyle style;
    style.caption = "fake saver";
    return Create(style);
  }
  int shown = 0;
  PlantSettings storedAtShow;
  std::vector<std::string> soundsBefore;
  RecordingSounds* sounds = nullptr;

 protected:
  void OnShow() override {
    ++shown;
    storedAtShow = PlantSettings::Load();
    if (sounds) soundsBefore = sounds->log;
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  }
};

// The first form of the process becomes the main form, whose closing ends
// the application; the forms under test come after this one, so closing them
// only hides them.
class MainFormStandIn : public ::testing::Environment {
 public:
  void SetUp() override {
    zeb::Application& app = zeb::Application::Instance();
    app.Initialize(GetModuleHandleA(nullptr));
    app.SetTitle("Gulpleaf");
    zeb::FormStyle style;
    style.caption = "main stand-in";
    ASSERT_TRUE(main_.Create(style));
  }

 private:
  zeb::Form main_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new MainFormStandIn);

class ConfigFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Forget();
    ASSERT_TRUE(saver.Make());
    saver.sounds = &sounds;
  }
  void TearDown() override {
    form.reset();
    Forget();
  }
  static void Forget() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, "software\\Zeb_brio");
  }
  static void StoreText(const char* name, const char* text) {
    HKEY k;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(k);
  }
  static std::string StoredText(const char* name) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return "<none>";
    char text[64] = {};
    DWORD size = sizeof text - 1;
    LONG r = RegQueryValueExA(k, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(k);
    return r == ERROR_SUCCESS ? text : "<none>";
  }
  // "speed sound sSound vol" as stored.
  static std::string Stored() {
    return StoredText("speed") + " " + StoredText("sound") + " " + StoredText("sSound") + " " +
           StoredText("vol");
  }

  void Open(HWND startForeground = nullptr) {
    form = std::make_unique<TForm2>(ConfigFormLinks{sounds, volume, &saver, startForeground});
    ASSERT_TRUE(form->CreateForm());
    form->Show();
    Pump();
  }
  HWND Item(int id) const { return GetDlgItem(form->Handle(), id); }
  HWND Panel() const { return Item(kPanAboutZeb); }
  int Position(int id) const { return static_cast<int>(SendMessageA(Item(id), TBM_GETPOS, 0, 0)); }
  bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::string Text(HWND w) const {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
  }
  void Click(HWND control) {
    PostMessageA(control, BM_CLICK, 0, 0);
    Pump();
  }
  void Click(int id) { Click(Item(id)); }
  // Moves a bar as the user would: its position, then the notice to the form.
  void Slide(int id, int position) {
    SendMessageA(Item(id), TBM_SETPOS, TRUE, position);
    PostMessageA(form->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(Item(id)));
    Pump();
  }
  RECT ClientPlace(HWND w) const {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool Closed() const { return !IsWindowVisible(form->Handle()); }

  RecordingSounds sounds;
  FakeVolume volume;
  FakeSaverForm saver;
  std::unique_ptr<TForm2> form;
};

using Sounds = std::vector<std::string>;

TEST_F(ConfigFormTest, FirstRunShowsTheDefaultsAndTheDeviceLevel) {
  volume.level = 0x4000C000;
  Open();
  EXPECT_EQ(Text(form->Handle()), "Gulpleaf Saver");
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 302);
  EXPECT_EQ(client.bottom, 270);
  EXPECT_EQ(Position(kTrackBar1), 50);
  EXPECT_TRUE(Checked(kCheckBox1));
  EXPECT_TRUE(Checked(kCheckBox2));
  EXPECT_EQ(Position(kTrackSndVol), 0xC000) << "the left channel";
  EXPECT_FALSE(IsWindowVisible(Panel()));
  ASSERT_FALSE(volume.writes.empty());
  EXPECT_EQ(volume.writes.front(), 0xC000C000u) << "both channels at the bar's level";
  // Ticking each box counts as a click on it; then the start track.
  EXPECT_EQ(sounds.log, (Sounds{"15", "15", "14"}));
  EXPECT_EQ(Stored(), "<none> <none> <none> <none>") << "opening writes nothing";
}

TEST_F(ConfigFormTest, CancelAfterTestPutsBackAllFourValuesAndVolZero) {
  StoreText("speed", "30");
  StoreText("sound", "1");
  StoreText("sSound", "0");
  StoreText("vol", "0");
  volume.level = 0x11112222;
  Open();
  EXPECT_EQ(sounds.log, Sounds{"15"}) << "ticking Play Sound clicks; the start track is off";
  Slide(kTrackBar1, 80);
  Click(kCheckBox1);
  Click(kCheckBox2);
  Slide(kTrackSndVol, 40000);

  Click(kTestButt);
  EXPECT_EQ(saver.shown, 1);
  EXPECT_EQ(saver.storedAtShow.speed, 80);
  EXPECT_FALSE(saver.storedAtShow.sound);
  EXPECT_TRUE(saver.storedAtShow.sSound);
  EXPECT_EQ(saver.storedAtShow.vol, 40000);
  EXPECT_FALSE(Closed()) << "the form is back after the test run";

  Click(kCancelButt);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(Stored(), "30 1 0 0");
  EXPECT_EQ(volume.level, 0x11112222u);
}

struct CloseCase {
  const char* how;
  bool clickSound;
  const char* stored;
};

TEST_F(ConfigFormTest, EveryWayOfClosingGivesTheDeviceItsVolumeBack) {
  const CloseCase cases[] = {{"OK", true, "0 1 0 65535"},
                             {"CANCEL", true, "20 1 1 0"},
                             {"system menu", false, "20 1 1 0"}};
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.how);
    Forget();
    StoreText("speed", "20");
    volume.level = 0x00FF7777;
    volume.writes.clear();
    Open();
    Slide(kTrackBar1, 0);
    Click(kCheckBox2);
    Slide(kTrackSndVol, 65535);
    EXPECT_EQ(volume.level, 0xFFFFFFFFu);
    sounds.log.clear();
    if (std::string(c.how) == "OK") {
      Click(kOkButt);
    } else if (std::string(c.how) == "CANCEL") {
      Click(kCancelButt);
    } else {
      PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      Pump();
    }
    EXPECT_TRUE(Closed());
    EXPECT_EQ(sounds.log, c.clickSound ? Sounds{"15"} : Sounds{});
    EXPECT_EQ(Stored(), c.stored);
    EXPECT_EQ(volume.level, 0x00FF7777u);
    form.reset();
  }
}

TEST_F(ConfigFormTest, TestVolumePlaysTheStartTrackUntilReleasedOrTheSaverRuns) {
  Open();
  sounds.log.clear();
  Click(kButtTestS);
  EXPECT_EQ(Text(Item(kButtTestS)), "STOP Playing");
  Click(kCheckBox2);
  EXPECT_EQ(sounds.log, (Sounds{"14 looped"})) << "no click over the track";
  Click(kButtTestS);
  EXPECT_EQ(Text(Item(kButtTestS)), "Test Volume");
  EXPECT_EQ(sounds.log, (Sounds{"14 looped", "stop"}));

  Click(kButtTestS);
  sounds.log.clear();
  Click(kTestButt);
  EXPECT_EQ(saver.soundsBefore, (Sounds{"stop"})) << "released before the saver shows";
  EXPECT_FALSE(Checked(kButtTestS));
  EXPECT_EQ(Text(Item(kButtTestS)), "Test Volume");
}

TEST_F(ConfigFormTest, StartWindowIsDisabledWhileTheFormIsOpen) {
  HWND start = CreateWindowExA(0, "STATIC", "display properties", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  Open(start);
  EXPECT_FALSE(IsWindowEnabled(start));
  Click(kTestButt);
  EXPECT_FALSE(IsWindowEnabled(start)) << "still disabled after the test run";
  Click(kOkButt);
  EXPECT_TRUE(IsWindowEnabled(start));

  // A program ending without closing the form still gives both back.
  volume.level = 0x1234;
  Open(start);
  Slide(kTrackSndVol, 9);
  form.reset();
  EXPECT_TRUE(IsWindowEnabled(start));
  EXPECT_EQ(volume.level, 0x1234u);
  DestroyWindow(start);
}

TEST_F(ConfigFormTest, AboutPanelOpensOverTheFormAndShrinksBack) {
  StoreText("show_Zeb", "1");
  Open();
  ASSERT_TRUE(IsWindowVisible(Panel()));
  const RECT small = ClientPlace(Panel());
  EXPECT_EQ(small.right - small.left, 60);
  EXPECT_EQ(small.bottom - small.top, 20);
  HWND text = GetDlgItem(Panel(), kStaticText1);
  HWND done = GetDlgItem(Panel(), kButton1);

  PostMessageA(Panel(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  const RECT open = ClientPlace(Panel());
  EXPECT_EQ(open.left, 2);
  EXPECT_EQ(open.top, 2);
  EXPECT_EQ(open.right, 300);
  EXPECT_EQ(open.bottom, 268);
  EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), Panel()) << "in front of the other controls";
  EXPECT_TRUE(IsWindowVisible(text));
  EXPECT_NE(Text(text).find("Zeb"), std::string::npos);
  const RECT donePlace = ClientPlace(done);
  EXPECT_EQ(donePlace.right, 302 - 7);
  EXPECT_EQ(donePlace.bottom, 270 - 7);

  Click(done);
  const RECT back = ClientPlace(Panel());
  EXPECT_EQ(back.left, small.left);
  EXPECT_EQ(back.top, small.top);
  EXPECT_EQ(back.right - back.left, 60);
  EXPECT_EQ(back.bottom - back.top, 20);
  EXPECT_FALSE(IsWindowVisible(text));

  // Open again by the panel; a click on the text closes it.
  PostMessageA(Panel(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  ASSERT_TRUE(IsWindowVisible(text));
  PostMessageA(Panel(), WM_COMMAND, MAKEWPARAM(kStaticText1, STN_CLICKED),
               reinterpret_cast<LPARAM>(text));
  Pump();
  EXPECT_FALSE(IsWindowVisible(text));
}

TEST_F(ConfigFormTest, GivingUpKeepsStoredNumbersTheBarsCannotShow) {
  StoreText("speed", "500");
  StoreText("vol", "-3");
  Open();
  EXPECT_EQ(Position(kTrackBar1), 100);
  Click(kCancelButt);
  EXPECT_EQ(StoredText("speed"), "500");
  EXPECT_EQ(StoredText("vol"), "-3");
}

TEST_F(ConfigFormTest, AnUnreadableDeviceIsNeitherMutedNorReset) {
  volume.readable = false;
  Open();
  EXPECT_EQ(Position(kTrackSndVol), 0);
  Click(kCancelButt);
  EXPECT_EQ(volume.writes, std::vector<DWORD>{}) << "no level to show, none to restore";

  StoreText("vol", "30000");
  Open();
  Click(kOkButt);
  EXPECT_EQ(volume.writes, (std::vector<DWORD>{MAKELONG(30000, 30000)}));
}

}  // namespace
}  // namespace gulpleaf
