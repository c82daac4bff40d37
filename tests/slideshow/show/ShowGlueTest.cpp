#include <gtest/gtest.h>
#include <windows.h>

#include "slideshow/display/show/CollectionCatalog.h"
#include "slideshow/display/show/SettingsShowStore.h"
#include "slideshow/display/show/SlideShow.h"
#include "slideshow/display/show/SlideShowThread.h"
#include "slideshow/display/show/SoundRequestMessage.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/slideshow/FakeShow.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi::test {
namespace {

constexpr char kCollection[] =
    "[General]\r\nCount=3\r\n"
    "[Picture1]\r\nImage=a.jpg\r\n"
    "[Picture2]\r\nImage=b.jpg\r\nIsRemoved=1\r\n"
    "[Picture3]\r\nImage=c.jpg\r\nTitle=Sea\r\nDisplay_Time=10\r\nPlay_Sound=s.mid\r\n"
    "Repeat_Sound=1\r\n";

TEST(ShowGlueTest, CollectionsGiveThePlayOrderAndWhereItResumes) {
  TempFolder folder;
  CCollectionList collections;
  ASSERT_TRUE(collections.Add(folder.Write(kCollection)));
  ASSERT_TRUE(
      collections.Add(folder.Write("[General]\r\nCount=1\r\nActive=0\r\n"
                                   "[Picture1]\r\nImage=z.jpg\r\n")));
  CollectionCatalog catalog(collections);
  CPlayList list;
  list.BuildSequential(catalog);
  EXPECT_EQ(list.GetEntries(), (std::vector<PlayEntry>{{0, 0}, {0, 2}}));

  ShowPicture picture;
  ASSERT_TRUE(catalog.ReadPicture({0, 2}, picture));
  EXPECT_EQ(picture.imageRef, "@pk@c.jpg");
  EXPECT_EQ(picture.title, "Sea");
  EXPECT_EQ(picture.displayTime, 10);
  EXPECT_EQ(picture.soundName, "s.mid");
  EXPECT_EQ(picture.repeatSound, 1);
  EXPECT_FALSE(catalog.ReadPicture({0, 3}, picture));
  EXPECT_FALSE(catalog.ReadPicture({5, 0}, picture));

  CSaverSettings settings(folder.Path("user.ini"), true);
  SettingsShowStore store(settings, collections);
  PlayEntry stored;
  EXPECT_TRUE(store.LoadStoredNext(stored));  // nothing stored: the first picture
  EXPECT_EQ(stored, (PlayEntry{0, 0}));
  store.SaveNextPicture({0, 2});
  store.SaveNextPicture({7, 0});  // no such collection: nothing stored
  store.SaveNextPicture({0, 3});  // no such picture: nothing stored
  store.SaveNextPicture({0, -1});
  ASSERT_TRUE(store.LoadStoredNext(stored));
  EXPECT_EQ(stored, (PlayEntry{0, 2}));
  // The second collection is stored under its own number.
  store.SaveNextPicture({1, 0});
  EXPECT_EQ(settings.GetCurCollection(), 2);
  EXPECT_EQ(settings.GetNextImage(), 1);
}

TEST(ShowGlueTest, SoundRequestsReachTheWindowAndItsStringIsTakenOver) {
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  WindowSoundRequests sound(window, [](const std::string& member) {
    return member == "missing.mid" ? std::string() : "C:\\temp\\" + member;
  });
  sound.Stop();
  sound.Play("song.mid", true);
  sound.Play("missing.mid", false);

  std::vector<SoundRequest> got;
  MSG msg;
  while (PeekMessageA(&msg, window, kSoundRequestMessage, kSoundRequestMessage, PM_REMOVE)) {
    got.push_back(TakeSoundRequest(msg.wParam, msg.lParam));
  }
  ASSERT_EQ(got.size(), 2u);
  EXPECT_FALSE(got[0].play);
  EXPECT_TRUE(got[1].play);
  EXPECT_EQ(got[1].path, "C:\\temp\\song.mid");
  EXPECT_TRUE(got[1].repeat);
  DestroyWindow(window);
  EXPECT_FALSE(PostSoundPlay(window, "C:\\temp\\late.mid", false));
}

// Returns at once, so the worker's loop turns quickly and sees stop at once.
class InstantClock : public ShowClock {
 public:
  void Sleep(int) override { ::Sleep(0); }
  std::uint32_t NowMilliseconds() override { return GetTickCount(); }
};

// A notice that never ends: a worker stuck in drawing.
class StuckPresenter : public ScriptedPresenter {
 public:
  using ScriptedPresenter::ScriptedPresenter;
  void ShowNotice(const std::string&) override {
    entered = true;
    for (;;) ::Sleep(1000);
  }
  std::atomic<bool> entered{false};
};

TEST(ShowGlueTest, StoppingEndsTheWorkerOrKillsOneThatDoesNotLeave) {
  for (bool stuck : {false, true}) {
    FakeCatalog none;
    FakeStore store;
    Log log;
    FakeClock fakeClock;
    InstantClock clock;
    ScriptedSource source(log, fakeClock);
    StuckPresenter stuckPresenter(log);
    ScriptedPresenter presenter(log);
    LoggedSound sound(log);
    FixedRandom random({0});
    CSlideShow show(
        {none, store, source, stuck ? stuckPresenter : presenter, sound, clock, random});
    ShowParams params;
    params.fullScreen = stuck;  // only the full screen draws the notice
    show.Start(params);
    CSlideShowThread thread(show);
    ASSERT_TRUE(thread.Begin());
    EXPECT_TRUE(show.IsThreadRunning());  // at once, not only when the thread has begun
    // The stuck worker must be inside its drawing before it is asked to stop.
    for (int i = 0; stuck && !stuckPresenter.entered && i < 500; ++i) ::Sleep(10);
    thread.Suspend();
    EXPECT_TRUE(show.IsSuspended());
    thread.Resume();
    EXPECT_FALSE(show.IsSuspended());
    EXPECT_EQ(thread.Stop(), !stuck) << stuck;
    EXPECT_FALSE(show.IsThreadRunning());
  }
}

}  // namespace
}  // namespace lumi::test
