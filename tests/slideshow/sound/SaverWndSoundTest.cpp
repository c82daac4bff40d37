// The saver window plays through the process's player: its start play list
// when it starts full-screen with sound effects on, and each picture's sound
// request from the worker. The system's MCI may open nothing here; the
// player's list tells what was asked.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/display/SaverWnd.h"
#include "slideshow/display/show/SoundRequestMessage.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/sound/SoundPlayer.h"
#include "tests/slideshow/settings/TestFiles.h"
#include "tests/support/Process.h"

namespace lumi {
namespace {

class NoMembers final : public PackageMemberSource {
 public:
  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string&, std::uint32_t*) override {
    return nullptr;
  }
};

class SaverWindowSound : public ::testing::Test {
 protected:
  void SetUp() override {
    package.Add("Daybreak.rmi", "MThd");
    package.Add("Starlight.rmi", "MThd");
    settings.SetPackageSettingsFile(
        folder.Write("[SPL_SSRun]\nFileCount=2\nLoopPlayList=1\nShufflePlayList=1\n"
                     "1=Daybreak.rmi\n2=Starlight.rmi\n"),
        package);
  }

  CSoundPlayer& player = CSoundPlayer::GetPlayer();
  test::TempFolder folder;
  test::FakePackage package{folder};
  CSaverSettings settings{folder.Path("user.ini"), true};
  CCollectionList collections;
  NoMembers members;
  SaverShowTies ties{settings, collections, package, members};
};

TEST_F(SaverWindowSound, PictureSoundRequestsPlayOrStopThroughThePlayer) {
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  auto wnd = std::make_unique<CSaverWnd>(GetModuleHandleA(nullptr), ties, host);
  ASSERT_TRUE(wnd->Create());

  ASSERT_TRUE(PostSoundPlay(wnd->Handle(), "C:\\nowhere\\chime.mid", true));
  zebtest::PumpFor(100);
  EXPECT_EQ(player.List(), std::vector<std::string>{"C:\\nowhere\\chime.mid"});
  EXPECT_TRUE(player.IsLoop());
  EXPECT_EQ(player.Position(), 1);  // moved on, whether or not it opened

  ASSERT_TRUE(PostSoundPlay(wnd->Handle(), "C:\\nowhere\\once.mid", false));
  zebtest::PumpFor(100);
  EXPECT_EQ(player.List(), std::vector<std::string>{"C:\\nowhere\\once.mid"});
  EXPECT_FALSE(player.IsLoop());

  ASSERT_TRUE(PostSoundStop(wnd->Handle()));
  zebtest::PumpFor(100);
  EXPECT_EQ(player.Position(), CSoundPlayer::kStopped);
  EXPECT_FALSE(player.IsPlaying());

  wnd.reset();
  DestroyWindow(host);
}

TEST_F(SaverWindowSound, FullScreenStartPlaysTheSaverListOnlyWithSoundEffectsOn) {
  for (bool soundOn : {false, true}) {
    SCOPED_TRACE(soundOn ? "sound effects on" : "sound effects off");
    player.PlayFile("before.mid", false);
    settings.SetUseSoundEffects(soundOn);
    auto wnd = std::make_unique<CSaverWnd>(GetModuleHandleA(nullptr), ties);
    ASSERT_TRUE(wnd->Create());
    HWND hwnd = wnd->Handle();
    wnd.release()->Start();  // a full-screen window owns itself once made

    std::vector<std::string> expected{"before.mid"};
    if (soundOn) expected = {folder.Path("x-Daybreak.rmi"), folder.Path("x-Starlight.rmi")};
    std::vector<std::string> list = player.List();
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, expected);
    if (soundOn) {
      EXPECT_TRUE(player.IsLoop());
      EXPECT_EQ(player.Position(), 1);
    }
    DestroyWindow(hwnd);
    zebtest::PumpFor(100);
  }
}

}  // namespace
}  // namespace lumi
