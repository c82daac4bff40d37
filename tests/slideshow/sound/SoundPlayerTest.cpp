// The sound player through fake MCI: which commands it sends for a list, how
// it moves on when a file has finished, and where a list ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/SoundPlayList.h"
#include "slideshow/engine/sound/SoundNotifyWindow.h"
#include "slideshow/engine/sound/SoundPlayer.h"
#include "tests/slideshow/settings/TestFiles.h"

namespace lumi {
namespace {

struct Command {
  UINT message = 0;
  MCIDEVICEID device = 0;
  DWORD_PTR flags = 0;
  std::string element;  // MCI_OPEN
  DWORD item = 0;       // MCI_STATUS
  HWND callback = nullptr;
};

// Opens every file on a new device, unless told that a step fails for it.
class FakeMci final : public MciCommands {
 public:
  std::set<std::string> unopenable, noPort, unplayable;
  std::vector<Command> commands;

  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                       DWORD_PTR params) override {
    Command c{message, device, flags, {}, 0, nullptr};
    switch (message) {
      case MCI_OPEN: {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSA*>(params);
        c.element = open->lpstrElementName;
        c.callback = reinterpret_cast<HWND>(open->dwCallback);
        commands.push_back(c);
        if (unopenable.count(c.element)) return MCIERR_FILE_NOT_FOUND;
        open->wDeviceID = nextDevice_;
        files_[nextDevice_] = c.element;
        ++nextDevice_;
        return 0;
      }
      case MCI_STATUS: {
        auto* status = reinterpret_cast<MCI_STATUS_PARMS*>(params);
        c.item = status->dwItem;
        commands.push_back(c);
        if (noPort.count(files_[device])) return MCIERR_UNSUPPORTED_FUNCTION;
        status->dwReturn = 0;
        return 0;
      }
      case MCI_PLAY:
        c.callback = reinterpret_cast<HWND>(reinterpret_cast<MCI_PLAY_PARMS*>(params)->dwCallback);
        commands.push_back(c);
        if (unplayable.count(files_[device])) return MCIERR_HARDWARE;
        played.push_back(files_[device]);
        return 0;
      default:
        commands.push_back(c);
        return 0;
    }
  }

  std::vector<std::string> played;

 private:
  MCIDEVICEID nextDevice_ = 10;
  std::map<MCIDEVICEID, std::string> files_;
};

class FakeRandom final : public PlayerRandom {
 public:
  std::deque<int> draws;
  std::vector<unsigned> seeds;
  void Seed(unsigned seed) override { seeds.push_back(seed); }
  int Next() override {
    if (draws.empty()) return 0;
    const int n = draws.front();
    draws.pop_front();
    return n;
  }
};

class FixedClock final : public PlayerClock {
 public:
  std::time_t Now() override { return 1234567; }
};

class KeptReport final : public PlayerReport {
 public:
  std::vector<std::string> shown;
  void Show(const std::string& text) override { shown.push_back(text); }
};

CSoundPlayList List(std::vector<std::string> files, bool loop, bool shuffle, bool selectOne) {
  CSoundPlayList list;
  list.SetFiles(std::move(files));
  list.SetLoop(loop);
  list.SetShuffle(shuffle);
  list.SetSelectOne(selectOne);
  return list;
}

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mainWindow = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(mainWindow, nullptr);
    player = std::make_unique<CSoundPlayer>(ties);
    player->SetMainWindowSource([this] { return mainWindow; });
  }
  void TearDown() override {
    player.reset();
    DestroyWindow(mainWindow);
  }

  // What MCI tells the notification window when a file has ended.
  void Finish(WPARAM code = MCI_NOTIFY_SUCCESSFUL) {
    SendMessageA(player->NotifyWindow(), MM_MCINOTIFY, code, player->Device());
  }

  std::vector<UINT> Messages() const {
    std::vector<UINT> out;
    for (const Command& c : mci.commands) out.push_back(c.message);
    return out;
  }

  FakeMci mci;
  FakeRandom random;
  FixedClock clock;
  KeptReport report;
  SoundPlayerTies ties{mci, random, clock, report};
  HWND mainWindow = nullptr;
  std::unique_ptr<CSoundPlayer> player;
};

TEST_F(SoundPlayerTest, OneFileOpensQueriesThePortAndPlaysWithNotification) {
  player->PlayFile("C:\\t\\song.mid", false);

  HWND notify = player->NotifyWindow();
  ASSERT_NE(notify, nullptr);
  ASSERT_EQ(mci.commands.size(), 3u);
  const Command& open = mci.commands[0];
  EXPECT_EQ(open.message, static_cast<UINT>(MCI_OPEN));
  EXPECT_EQ(open.device, 0u);
  EXPECT_EQ(open.flags, static_cast<DWORD_PTR>(MCI_OPEN_ELEMENT));  // no type: MCI picks the device
  EXPECT_EQ(open.element, "C:\\t\\song.mid");
  EXPECT_EQ(open.callback, notify);
  const Command& status = mci.commands[1];
  EXPECT_EQ(status.message, static_cast<UINT>(MCI_STATUS));
  EXPECT_EQ(status.device, 10u);
  EXPECT_EQ(status.flags, static_cast<DWORD_PTR>(MCI_STATUS_ITEM));
  EXPECT_EQ(status.item, static_cast<DWORD>(MCI_SEQ_STATUS_PORT));
  const Command& play = mci.commands[2];
  EXPECT_EQ(play.message, static_cast<UINT>(MCI_PLAY));
  EXPECT_EQ(play.device, 10u);
  EXPECT_EQ(play.flags, static_cast<DWORD_PTR>(MCI_NOTIFY));  // from start to end
  EXPECT_EQ(play.callback, notify);
  EXPECT_TRUE(player->IsPlaying());
  EXPECT_EQ(player->Device(), 10u);
  EXPECT_EQ(player->Position(), 1);

  // The end of a list that does not loop closes the device and stops.
  Finish();
  ASSERT_EQ(mci.commands.size(), 4u);
  EXPECT_EQ(mci.commands[3].message, static_cast<UINT>(MCI_CLOSE));
  EXPECT_EQ(mci.commands[3].device, 10u);
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(player->Device(), CSoundPlayer::kNoDevice);
  EXPECT_EQ(player->Position(), CSoundPlayer::kStopped);
}

TEST_F(SoundPlayerTest, StopClosesTheDeviceWithoutAStopCommand) {
  player->PlayFile("a.mid", true);
  player->Stop();
  EXPECT_EQ(Messages(), (std::vector<UINT>{MCI_OPEN, MCI_STATUS, MCI_PLAY, MCI_CLOSE}));
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(player->Device(), CSoundPlayer::kNoDevice);
  EXPECT_EQ(player->Position(), CSoundPlayer::kStopped);
  player->Stop();  // nothing open: nothing sent
  EXPECT_EQ(mci.commands.size(), 4u);
}

TEST_F(SoundPlayerTest, EmptyListsPlayNothing) {
  test::TempFolder folder;
  CIniFile ini(folder.Write("[SPL_SSRun]\nFileCount=0\n1=a.mid\n"));
  CSoundPlayList fromFile;
  fromFile.Load(ini, "SPL_SSRun");
  player->PlayPlayList(fromFile);
  // Shuffling, looping or picking one among no files has nothing to index.
  player->PlayPlayList(List({}, true, true, false));
  player->PlayPlayList(List({}, true, false, true));
  player->PlayFiles({}, true, true);
  player->PlayFiles({}, false, true);
  EXPECT_TRUE(mci.commands.empty());
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(player->Position(), CSoundPlayer::kStopped);
}

TEST_F(SoundPlayerTest, SelectOneWithLoopRepeatsTheChosenFileForEver) {
  random.draws = {7};  // 7 mod 3: the second file
  player->PlayPlayList(List({"a.mid", "b.mid", "c.mid"}, true, true, true));
  EXPECT_EQ(random.seeds, std::vector<unsigned>{1234567u});
  for (int i = 0; i < 4; ++i) Finish();
  EXPECT_EQ(mci.played, (std::vector<std::string>(5, "b.mid")));
  EXPECT_EQ(player->List(), std::vector<std::string>{"b.mid"});
  EXPECT_TRUE(player->IsPlaying());
  // Each round closes the finished file before opening it again.
  const std::vector<UINT> sent = Messages();
  EXPECT_EQ(std::vector<UINT>(sent.end() - 4, sent.end()),
            (std::vector<UINT>{MCI_CLOSE, MCI_OPEN, MCI_STATUS, MCI_PLAY}));
}

TEST_F(SoundPlayerTest, InOrderWithoutLoopPlaysEachEntryOnceThenStops) {
  player->PlayPlayList(List({"1.mid", "2.mid", "3.mid"}, false, false, false));
  for (int i = 0; i < 5; ++i) Finish();
  EXPECT_EQ(mci.played, (std::vector<std::string>{"1.mid", "2.mid", "3.mid"}));
  EXPECT_TRUE(random.seeds.empty());
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(player->Position(), CSoundPlayer::kStopped);
  EXPECT_EQ(mci.commands.back().message, static_cast<UINT>(MCI_CLOSE));
}

TEST_F(SoundPlayerTest, ShuffleSwapsEachEntryWithADrawnOneAndLoopStartsOver) {
  // i=0 swaps with 2, i=1 with 0, i=2 with 1: c b a, b c a, b a c.
  random.draws = {2, 3, 4};
  player->PlayFiles({"a", "b", "c"}, true, true);
  EXPECT_EQ(random.seeds, std::vector<unsigned>{1234567u});
  EXPECT_EQ(player->List(), (std::vector<std::string>{"b", "a", "c"}));
  for (int i = 0; i < 3; ++i) Finish();
  EXPECT_EQ(mci.played, (std::vector<std::string>{"b", "a", "c", "b"}));
  EXPECT_EQ(player->Position(), 1);
}

struct FailingEntry {
  const char* name;
  std::string entry;
  std::vector<UINT> commandsForIt;  // after the first file's close
};

class ListEndsAtFailingEntry : public SoundPlayerTest,
                               public ::testing::WithParamInterface<FailingEntry> {};

TEST_P(ListEndsAtFailingEntry, NothingAfterItPlays) {
  mci.unopenable = {"gone.mid"};
  mci.noPort = {"voice.wav"};
  mci.unplayable = {"busy.mid"};
  player->PlayPlayList(List({"1.mid", GetParam().entry, "3.mid"}, true, false, false));
  const std::size_t before = mci.commands.size();
  Finish();
  const std::vector<UINT> sent = Messages();
  const std::vector<UINT> after(sent.begin() + static_cast<long>(before), sent.end());
  std::vector<UINT> expected{MCI_CLOSE};
  expected.insert(expected.end(), GetParam().commandsForIt.begin(), GetParam().commandsForIt.end());
  EXPECT_EQ(after, expected);
  EXPECT_EQ(mci.played, std::vector<std::string>{"1.mid"});
  EXPECT_FALSE(player->IsPlaying());
  EXPECT_EQ(player->Device(), CSoundPlayer::kNoDevice);
  // No device finished, so nothing moves the list on, looping or not.
  SendMessageA(player->NotifyWindow(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 11);
  EXPECT_EQ(mci.played, std::vector<std::string>{"1.mid"});
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ListEndsAtFailingEntry,
    ::testing::Values(
        FailingEntry{"Empty", "", {}}, FailingEntry{"Unopenable", "gone.mid", {MCI_OPEN}},
        FailingEntry{"NoSequencerPort", "voice.wav", {MCI_OPEN, MCI_STATUS, MCI_CLOSE}},
        FailingEntry{"PlayRefused", "busy.mid", {MCI_OPEN, MCI_STATUS, MCI_PLAY, MCI_CLOSE}}),
    [](const ::testing::TestParamInfo<FailingEntry>& entry) { return entry.param.name; });

TEST_F(SoundPlayerTest, OnlyASuccessfulEndOfTheOpenDeviceMovesTheListOn) {
  player->PlayFiles({"a.mid", "b.mid"}, false, true);
  for (WPARAM code : {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_FAILURE}) Finish(code);
  EXPECT_EQ(mci.commands.size(), 3u);
  EXPECT_EQ(player->Position(), 1);
  EXPECT_TRUE(player->IsPlaying());

  // A file that finished just before its list was replaced reports on a
  // device closed since: the new list keeps its first file.
  const MCIDEVICEID old = player->Device();
  player->PlayFile("c.mid", false);
  SendMessageA(player->NotifyWindow(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, old);
  EXPECT_EQ(mci.played, (std::vector<std::string>{"a.mid", "c.mid"}));
  EXPECT_TRUE(player->IsPlaying());
  EXPECT_EQ(player->List(), std::vector<std::string>{"c.mid"});
}

TEST_F(SoundPlayerTest, NotificationWindowIsAHiddenChildMadeOnceAndDestroyedWithThePlayer) {
  player->PlayFile("a.mid", false);
  HWND notify = player->NotifyWindow();
  ASSERT_NE(notify, nullptr);
  EXPECT_EQ(GetParent(notify), mainWindow);
  EXPECT_FALSE(IsWindowVisible(notify));
  EXPECT_EQ(GetDlgCtrlID(notify), SoundNotifyWindow::kControlId);
  char title[32] = {};
  GetWindowTextA(notify, title, sizeof title);
  EXPECT_STREQ(title, "MIDIStub");
  RECT r{};
  GetWindowRect(notify, &r);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 100);

  player->PlayPlayList(List({"b.mid"}, false, false, false));
  EXPECT_EQ(player->NotifyWindow(), notify);

  player.reset();  // closes what plays and the window
  EXPECT_EQ(mci.commands.back().message, static_cast<UINT>(MCI_CLOSE));
  EXPECT_FALSE(IsWindow(notify));
}

TEST_F(SoundPlayerTest, WithoutAMainWindowTheFirstFilePlaysAndTheWindowIsNeverRetried) {
  HWND main = mainWindow;
  mainWindow = nullptr;
  player->PlayFiles({"a.mid", "b.mid"}, false, false);
  EXPECT_EQ(player->NotifyWindow(), nullptr);
  EXPECT_EQ(mci.played, std::vector<std::string>{"a.mid"});
  EXPECT_EQ(mci.commands[0].callback, nullptr);
  mainWindow = main;
  player->PlayFile("c.mid", false);
  EXPECT_EQ(player->NotifyWindow(), nullptr);
}

TEST_F(SoundPlayerTest, ASecondPlayerSaysSoAndStaysInert) {
  KeptReport secondReport;
  SoundPlayerTies secondTies{mci, random, clock, secondReport};
  {
    CSoundPlayer second(secondTies);
    EXPECT_EQ(secondReport.shown,
              std::vector<std::string>{"Only one CSoundPlayer can be created! Call "
                                       "CSoundPlayer::GetPlayer() to retrieve player."});
    EXPECT_FALSE(second.HasState());
    second.PlayFile("a.mid", true);
    second.OnNotify(MCI_NOTIFY_SUCCESSFUL, 10);
    second.Stop();
    EXPECT_TRUE(mci.commands.empty());
    EXPECT_EQ(second.Position(), CSoundPlayer::kStopped);
  }
  // The inert one going leaves the first one the only player.
  EXPECT_TRUE(player->HasState());
  player.reset();
  CSoundPlayer next(ties);
  EXPECT_TRUE(next.HasState());
  EXPECT_TRUE(report.shown.empty());
}

}  // namespace
}  // namespace lumi
