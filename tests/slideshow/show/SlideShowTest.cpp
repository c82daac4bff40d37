#include <gtest/gtest.h>

#include <algorithm>

#include "slideshow/display/show/SlideShow.h"
#include "tests/support/slideshow/FakeShow.h"

namespace lumi::test {
namespace {

// One slideshow over fakes; the run ends when the given load begins, or when
// the clock has been slept on for the given time.
struct Rig {
  explicit Rig(FakeCatalog c) : catalog(std::move(c)) {}

  void StopAtLoad(int load) {
    source.duringLoad = [this, load] {
      if (++loads == load) show.RequestStop();
    };
  }
  void StopAfterSleeping(long long ms) {
    clock.afterSleep = [this, ms](long long total) {
      if (total >= ms) show.RequestStop();
    };
  }
  void Run(const ShowParams& params) {
    started = show.Start(params);
    show.RunWorker();
  }
  std::vector<std::string> Matching(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : log.events) {
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    }
    return out;
  }

  FakeCatalog catalog;
  FakeStore store;
  Log log;
  FakeClock clock;
  ScriptedSource source{log, clock};
  ScriptedPresenter presenter{log};
  LoggedSound sound{log};
  FixedRandom random{{0}};
  CSlideShow show{{catalog, store, source, presenter, sound, clock, random}};
  int loads = 0;
  bool started = false;
};

ShowParams FullScreen(int imageDelay = 5) {
  ShowParams p;
  p.imageDelay = imageDelay;
  p.showTitles = true;
  p.fullScreen = true;
  return p;
}

ShowParams Preview() {
  ShowParams p = FullScreen(20);
  p.fullScreen = false;
  return p;
}

TEST(SlideShowTest, EachPictureIsLoadedSoundedDrawnTitledAndWaitedOutInOrder) {
  FakeCatalog catalog = CatalogOf(2);
  catalog.collections[0].pictures[0].soundName = "song.mid";
  catalog.collections[0].pictures[0].repeatSound = 1;
  Rig rig(catalog);
  rig.StopAtLoad(3);
  rig.Run(FullScreen(1));

  EXPECT_EQ(rig.log.events,
            (std::vector<std::string>{"load p0.jpg first", "hide progress", "clear", "sound stop",
                                      "sound play song.mid repeat", "transition", "title T0",
                                      // The sound ends with its picture.
                                      "sound stop", "load p1.jpg", "transition", "title T1",
                                      "load p0.jpg"}));
  EXPECT_EQ(rig.clock.sleeps, std::vector<int>(20, 100));
  // Each picture stores the one that follows it.
  EXPECT_EQ(rig.store.saved, (std::vector<PlayEntry>{{0, 1}, {0, 0}}));
  EXPECT_TRUE(rig.show.IsFirstShown());
  EXPECT_FALSE(rig.show.IsThreadRunning());
}

TEST(SlideShowTest, ShownForThePicturesTimeLessWhatLoadingTook) {
  struct Case {
    const char* name;
    int displayTime;
    ShowParams params;
    int loadMs;
    long long expectedMs;
  };
  const Case cases[] = {
      {"own time", 10, FullScreen(20), 0, 10000},
      {"general delay", 0, FullScreen(20), 0, 20000},
      {"negative time is no time", -4, FullScreen(20), 0, 20000},
      {"preview delay is 3 seconds", 0, Preview(), 0, 3000},
      {"loading counts", 10, FullScreen(20), 2500, 8000},
      {"loading longer than the time", 2, FullScreen(20), 4000, 0},
  };
  for (const Case& c : cases) {
    FakeCatalog catalog = CatalogOf(1);
    catalog.collections[0].pictures[0].displayTime = c.displayTime;
    Rig rig(catalog);
    rig.source.loadMs = c.loadMs;
    rig.StopAtLoad(2);
    rig.Run(c.params);
    EXPECT_EQ(rig.clock.TotalSlept(), c.expectedMs) << c.name;
    EXPECT_TRUE(std::all_of(rig.clock.sleeps.begin(), rig.clock.sleeps.end(), [](int ms) {
      return ms == 100;
    })) << c.name;
  }
}

TEST(SlideShowTest, StopDuringTheWaitEndsItWithinOneSlice) {
  Rig rig(CatalogOf(3));
  rig.StopAfterSleeping(700);
  rig.Run(FullScreen(30));
  EXPECT_EQ(rig.clock.TotalSlept(), 700);
  EXPECT_EQ(rig.Matching("load").size(), 1u);
  EXPECT_FALSE(rig.show.IsThreadRunning());
}

TEST(SlideShowTest, StopDuringLoadingEndsTheRunWithoutDrawing) {
  Rig rig(CatalogOf(3));
  rig.StopAtLoad(1);
  rig.Run(FullScreen());
  EXPECT_EQ(rig.log.events, (std::vector<std::string>{"load p0.jpg first", "hide progress"}));
  EXPECT_TRUE(rig.store.saved.empty());
}

TEST(SlideShowTest, AFailedPictureShowsTheNoticeForAboutTheDelayAndTheRunMovesOn) {
  Rig rig(CatalogOf(2));
  rig.source.failing = {"p0.jpg"};
  rig.StopAtLoad(2);
  rig.Run(FullScreen(7));
  EXPECT_EQ(rig.log.events, (std::vector<std::string>{"load p0.jpg first", "hide progress",
                                                      "notice A problem occured processing p0.jpg",
                                                      "load p1.jpg"}));
  EXPECT_EQ(rig.clock.TotalSlept(), 4 * 2000);
  EXPECT_TRUE(rig.store.saved.empty());
}

TEST(SlideShowTest, APictureGoneFromItsCollectionIsAFailureNotThePreviousPictureAgain) {
  Rig rig(CatalogOf(2));
  ASSERT_TRUE(rig.show.Start(FullScreen(3)));
  rig.catalog.collections[0].pictures.pop_back();
  rig.StopAtLoad(2);
  rig.show.RunWorker();
  EXPECT_EQ(rig.Matching("load"), (std::vector<std::string>{"load p0.jpg first", "load p0.jpg"}));
  EXPECT_EQ(rig.Matching("notice"),
            (std::vector<std::string>{"notice A problem occured processing "}));
}

TEST(SlideShowTest, EveryPictureFailingStillWaitsBetweenAttempts) {
  for (int delay : {0, 1, -5}) {
    Rig rig(CatalogOf(2));
    rig.source.failing = {"p0.jpg", "p1.jpg"};
    rig.StopAtLoad(4);
    rig.Run(FullScreen(delay));
    EXPECT_EQ(rig.clock.TotalSlept(), 3 * 2000) << delay;
  }
}

TEST(SlideShowTest, WithNothingToShowTheRunSaysSoEveryTwoSeconds) {
  FakeCatalog none;
  none.collections.push_back({false, {ShowPicture{}}, {}});
  for (bool fullScreen : {true, false}) {
    Rig rig(none);
    rig.StopAfterSleeping(5000);
    ShowParams params = fullScreen ? FullScreen() : Preview();
    rig.Run(params);
    EXPECT_FALSE(rig.started);
    const std::vector<std::string> notices(fullScreen ? 3 : 0, "notice No pictures to display!");
    EXPECT_EQ(rig.log.events, notices) << fullScreen;
    EXPECT_EQ(rig.clock.TotalSlept(), 5000) << fullScreen;
  }
}

TEST(SlideShowTest, TheRunBeginsAtTheStoredNextPicture) {
  struct Case {
    bool hasStored;
    PlayEntry stored;
    const char* firstLoad;
  };
  const Case cases[] = {
      {true, {0, 2}, "load p2.jpg first"},   {true, {0, 7}, "load p0.jpg first"},
      {true, {-1, -1}, "load p0.jpg first"}, {true, {3, 1}, "load p0.jpg first"},
      {false, {}, "load p0.jpg first"},
  };
  for (const Case& c : cases) {
    Rig rig(CatalogOf(4));
    rig.store.hasStored = c.hasStored;
    rig.store.stored = c.stored;
    rig.StopAtLoad(1);
    rig.Run(FullScreen());
    ASSERT_FALSE(rig.log.events.empty());
    EXPECT_EQ(rig.log.events.front(), c.firstLoad)
        << c.stored.collection << "/" << c.stored.picture;
  }
}

TEST(SlideShowTest, APreviewDrawsNoTextAndAsksForNoSound) {
  FakeCatalog catalog = CatalogOf(1);
  catalog.collections[0].pictures[0].soundName = "song.mid";
  Rig rig(catalog);
  rig.store.message = "Hello";
  rig.StopAtLoad(3);
  rig.Run(Preview());
  EXPECT_TRUE(rig.Matching("sound").empty());
  EXPECT_TRUE(rig.Matching("title").empty());
  EXPECT_TRUE(rig.Matching("caption").empty());
  EXPECT_EQ(rig.Matching("transition").size(), 2u);
}

TEST(SlideShowTest, AMessageGoesToTheCaptionBarWithTheSecondsLeft) {
  Rig rig(CatalogOf(1));
  rig.store.message = "Hello";
  rig.source.loadMs = 1200;
  rig.StopAtLoad(2);
  rig.Run(FullScreen(6));
  EXPECT_EQ(rig.Matching("caption"), (std::vector<std::string>{"caption 5 Hello"}));
  EXPECT_EQ(rig.clock.TotalSlept(), 0);
}

}  // namespace
}  // namespace lumi::test
