// The slideshow's loop with its real pipeline and drawing on a real window,
// time stepped by the test: what ends up on the window, and that a long run
// leaves no handles behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "slideshow/display/saver/PipelineSource.h"
#include "slideshow/display/saver/WindowPresenter.h"
#include "slideshow/display/show/SlideShow.h"
#include "slideshow/effects/EffectCatalogue.h"
#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"
#include "slideshow/engine/pipeline/SlideImage.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/settings/WallpaperSchedule.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Process.h"
#include "tests/support/Screen.h"
#include "tests/support/slideshow/FakeShow.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi {
namespace {

// Members read from the sample content folder, as the bound package holds them.
class SampleMembers final : public PackageMemberSource {
 public:
  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string& name,
                                                    std::uint32_t* size) override {
    std::ifstream in(zebtest::WindowsPath(LUMISHOW_SAMPLE_CONTENT) + "\\" + name, std::ios::binary);
    if (!in) return nullptr;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    auto buffer = std::make_unique<unsigned char[]>(bytes.size() + 16);
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    *size = static_cast<std::uint32_t>(bytes.size());
    return buffer;
  }
};

class LoopOnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = CreateWindowExA(0, "STATIC", "loop", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    zebtest::PumpFor(200);
    params.fullScreen = true;
    params.imageDelay = 5;
    params.display = ShowRect{0, 0, kWidth, kHeight};
  }
  void TearDown() override { DestroyWindow(window); }

  // The small sample picture, centred on the display and ready to draw on
  // this window.
  bool CentredOnWindow(CSlideImage& picture, const RECT& display) {
    if (!picture.Load("@pk@Pic08.bmp", &members)) return false;
    picture.Centre(display);
    return picture.MakeDeviceBitmap(window);
  }

  // Runs the loop on this thread until the given number of pictures began.
  void Run(const std::vector<std::string>& references, int pictures) {
    test::FakeCatalog catalog;
    catalog.collections.emplace_back();
    for (const std::string& ref : references) {
      ShowPicture p;
      p.imageRef = ref;
      catalog.collections[0].pictures.push_back(p);
    }
    test::FakeStore store;
    test::Log log;
    test::LoggedSound sound(log);
    test::FixedRandom random({0});
    test::FakeClock clock;
    CSaverSettings settings(files.Path("user.ini"), true);
    test::FakePackage package(files);
    PipelineSource source(PipelineSourceTies{window, nullptr, settings, package, members}, params);
    WindowPresenter presenter(PresenterTies{window, nullptr, clock, source},
                              RECT{0, 0, kWidth, kHeight}, params.fullScreen);
    CSlideShow show(ShowSeams{catalog, store, source, presenter, sound, clock, random});
    source.AttachStopFlag(show.StopFlag());
    presenter.AttachShow(show);
    clock.afterSleep = [&](long long) {
      if (show.GetCycle() > pictures) show.RequestStop();
    };
    ASSERT_TRUE(show.Start(params));
    show.RunLoop();
    EXPECT_GE(show.GetCycle(), pictures);
  }

  static constexpr int kWidth = 640, kHeight = 480;
  HWND window = nullptr;
  ShowParams params;
  SampleMembers members;
  test::TempFolder files;
};

// Enables one effect alone at a speed in the process's settings store, and
// puts the user's choices back afterwards.
class OnlyEffectEnabled {
 public:
  OnlyEffectEnabled(const std::string& effect, int speed)
      : settings_(GetSaverSettings()), speedBefore_(settings_.GetEffectSpeed()) {
    for (int i = 0; i < GetEffectCount(); ++i) {
      const std::string name = CreateEffect(i)->GetName();
      before_.emplace_back(name, settings_.IsEffectEnabled(name));
      settings_.SetEffectEnabled(name, name == effect);
    }
    settings_.SetEffectSpeed(speed);
  }
  ~OnlyEffectEnabled() {
    for (const auto& [name, on] : before_) settings_.SetEffectEnabled(name, on);
    settings_.SetEffectSpeed(speedBefore_);
  }
  OnlyEffectEnabled(const OnlyEffectEnabled&) = delete;
  OnlyEffectEnabled& operator=(const OnlyEffectEnabled&) = delete;

 private:
  CSaverSettings& settings_;
  int speedBefore_;
  std::vector<std::pair<std::string, bool>> before_;
};

// The run's stop lands in the effect that shows the picture once more over
// itself. An effect that draws only the new picture leaves it whole wherever
// it stops; one that paints black first (Dripping Paint) would not, so the
// test chooses the effect instead of leaving it to the random pick.
TEST_F(LoopOnWindow, TheLastPictureStaysCentredOnBlack) {
  const OnlyEffectEnabled only("Venetian Blinds", 1);
  Run({"@pk@Pic08.bmp"}, 1);
  zebtest::PumpFor(100);
  zebtest::Pixels s = zebtest::CaptureScreen(0, 0, kWidth, kHeight);
  // 320 x 240, unscaled, in the middle of 640 x 480.
  EXPECT_EQ(s.Share(0, 0, 0, kWidth, 120), 1.0);
  EXPECT_LT(s.Share(0, 160, 120, 480, 360), 0.5);
  EXPECT_EQ(s.Share(0, 0, 360, kWidth, kHeight), 1.0);
  EXPECT_EQ(ImagingLockCount(), 0);
}

TEST_F(LoopOnWindow, AHundredPicturesLeaveNoHandlesBehind) {
  const std::vector<std::string> refs = {"@pk@Pic08.bmp", "@pk@Pic03.jpg", "@pk@Missing.jpg",
                                         "@pk@Pic05.jpg"};
  Run(refs, 4);  // warm up: fonts, the first palette and the runtime's own objects
  const DWORD before = zebtest::LiveGdiObjects();
  ASSERT_GT(before, 0u);
  Run(refs, 100);
  EXPECT_LE(zebtest::LiveGdiObjects(), before + 2) << "a long run must not grow the handle count";
  EXPECT_EQ(ImagingLockCount(), 0);
}

// Full-screen, a change is an effect picked among the enabled ones; the
// small preview keeps the straight copy. With only Dripping Paint enabled
// and the stop flag already up, the effect blackens the picture and stops at
// its first look; the straight copy has nothing to stop at.
TEST_F(LoopOnWindow, FullScreenPicksAnEnabledEffectAndThePreviewCopiesStraight) {
  const OnlyEffectEnabled only("Dripping Paint", 1);
  CSlideImage picture;
  const RECT display{0, 0, kWidth, kHeight};
  ASSERT_TRUE(CentredOnWindow(picture, display));
  for (bool fullScreen : {true, false}) {
    HDC dc = GetDC(window);
    PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
    std::atomic<bool> stop{true};
    EffectDrawer(dc, picture, display, false, fullScreen).DrawTransition(stop);
    ReleaseDC(window, dc);
    zebtest::PumpFor(50);
    const zebtest::Pixels s = zebtest::CaptureScreen(0, 0, kWidth, kHeight);
    // The margins are black either way: the effect was prepared.
    EXPECT_EQ(s.Share(0, 0, 0, kWidth, 120), 1.0);
    const double blackPicture = s.Share(0, 160, 120, 480, 360);
    if (fullScreen) {
      EXPECT_EQ(blackPicture, 1.0) << "full-screen";
    } else {
      EXPECT_LT(blackPicture, 0.5) << "preview";
    }
  }
}

// On the worker an effect is paced on the slideshow's clock so that it is
// seen: a fast effect sleeps out at least its speed's duration there, and a
// repaint (no pacing clock) does not wait at all.
TEST_F(LoopOnWindow, TheWorkersEffectIsPacedOnTheSlideshowClock) {
  const OnlyEffectEnabled only("Scramble Blocks", 2);
  CSlideImage picture;
  const RECT display{0, 0, kWidth, kHeight};
  ASSERT_TRUE(CentredOnWindow(picture, display));
  for (bool paced : {true, false}) {
    test::FakeClock clock;
    HDC dc = GetDC(window);
    std::atomic<bool> stop{false};
    EffectDrawer(dc, picture, display, false, true, paced ? &clock : nullptr)
        .DrawTransition(stop);
    ReleaseDC(window, dc);
    if (paced) {
      EXPECT_GE(clock.TotalSlept(), CTransitionEffect::kVisibleMs[1] - 20);
      EXPECT_LE(clock.TotalSlept(), CTransitionEffect::kVisibleMs[1]);
    } else {
      EXPECT_EQ(clock.TotalSlept(), 0);
    }
  }
}

// The saver's settings decide how each picture is processed; while the
// saver's own picture is the wallpaper and a change is due, the picture
// shown also becomes the new wallpaper, made with the wallpaper's settings.
TEST_F(LoopOnWindow, SettingsAndTheWallpaperScheduleChooseTheProcessing) {
  DesktopWallpaper before;
  const bool hadWallpaper = ReadDesktopWallpaper(before);
  CSaverSettings settings(files.Path("flags.ini"), true);
  test::FakePackage package(files);
  settings.SetWallpaperCycle(kCycleHourly);
  settings.ResetLastWallpaperChange();
  settings.SetEnlargeWallpaperPics(false);
  settings.SetWallpaperBlackAndWhite(true);
  struct Case {
    bool enlarge, blackWhite, fullScreen, ownWallpaper, changedJustNow;
    int flags;
  } cases[] = {
      {false, false, true, false, false, kProcessReduceOnPalette},
      {true, false, true, false, false, kProcessEnlarge | kProcessReduceOnPalette},
      {true, true, true, false, false, kProcessEnlarge | kProcessGrey},
      // A change is due: the wallpaper's settings (no enlarging, grey) win.
      {true, false, true, true, false, kProcessWallpaper | kProcessGrey | kProcessReduceOnPalette},
      // Changed within the hour: nothing is due.
      {true, false, true, true, true, kProcessEnlarge | kProcessReduceOnPalette},
      // The small preview never makes wallpapers.
      {true, false, false, true, false, kProcessEnlarge | kProcessReduceOnPalette},
  };
  for (const Case& c : cases) {
    DesktopWallpaper desktop = before;
    desktop.wallpaper = c.ownWallpaper ? WallpaperFilePath() : "(none)";
    WriteDesktopWallpaper(desktop);
    if (c.changedJustNow) {
      settings.SetLastWallpaperChange(std::time(nullptr));
    } else {
      settings.ResetLastWallpaperChange();
    }
    ShowParams p = params;
    p.enlarge = c.enlarge;
    p.blackWhite = c.blackWhite;
    p.fullScreen = c.fullScreen;
    PipelineSource source(PipelineSourceTies{window, nullptr, settings, package, members}, p);
    EXPECT_EQ(source.ProcessingFlags(), c.flags)
        << c.enlarge << c.blackWhite << c.fullScreen << c.ownWallpaper << c.changedJustNow;
  }
  if (hadWallpaper) {
    WriteDesktopWallpaper(before);
  } else {
    WriteDesktopWallpaper(DesktopWallpaper{});
  }
}

// Puts back what the wallpaper pass changes: the desktop values, the saver's
// wallpaper file, and the schedule in the process's settings store (the
// pipeline stamps each new wallpaper there).
class WallpaperPassKeeper {
 public:
  WallpaperPassKeeper()
      : hadValues_(ReadDesktopWallpaper(values_)),
        cycle_(GetSaverSettings().GetWallpaperCycle()),
        stamp_(GetSaverSettings().GetLastWallpaperChange()) {
    RemoveDirectoryA(WallpaperFilePath().c_str());
    DeleteFileA(WallpaperFilePath().c_str());
  }
  ~WallpaperPassKeeper() {
    RemoveDirectoryA(WallpaperFilePath().c_str());
    DeleteFileA(WallpaperFilePath().c_str());
    if (hadValues_) {
      WriteDesktopWallpaper(values_);
    } else {
      SetWallpaperFile(false);
      WritePrivateProfileStringA("Desktop", "Wallpaper", nullptr, "win.ini");
    }
    GetSaverSettings().SetWallpaperCycle(cycle_);
    GetSaverSettings().SetLastWallpaperChange(stamp_);
  }

 private:
  DesktopWallpaper values_;
  bool hadValues_;
  int cycle_;
  std::time_t stamp_;
};

// When a change is due, the picture prepared for the screen also becomes the
// wallpaper and the schedule starts again. A wallpaper file that cannot be
// written (here a folder of its name stands in the way) costs neither this
// picture nor the following ones, and leaves the schedule due.
TEST_F(LoopOnWindow, DueWallpaperIsMadeFromThePictureBeingPrepared) {
  WallpaperPassKeeper keeper;
  CSaverSettings& settings = GetSaverSettings();
  test::FakePackage package(files);
  settings.SetWallpaperCycle(kCycleHourly);
  ShowPicture picture;
  picture.imageRef = "@pk@Pic08.bmp";

  for (const bool writable : {true, false}) {
    SCOPED_TRACE(writable ? "writable" : "unwritable");
    DeleteFileA(WallpaperFilePath().c_str());
    if (!writable) {
      ASSERT_TRUE(CreateDirectoryA(WallpaperFilePath().c_str(), nullptr));
    }
    SetWallpaperFile(true);
    settings.ResetLastWallpaperChange();
    PipelineSource source(PipelineSourceTies{window, nullptr, settings, package, members}, params);
    ASSERT_NE(source.ProcessingFlags() & kProcessWallpaper, 0);

    EXPECT_TRUE(source.Load(picture, false));
    EXPECT_TRUE(source.Current().IsLoaded());
    EXPECT_TRUE(IsOwnWallpaper());
    EXPECT_EQ(settings.IsWallpaperChangeDue(), !writable);
    const DWORD attributes = GetFileAttributesA(WallpaperFilePath().c_str());
    EXPECT_EQ(attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY),
              writable);
    EXPECT_EQ(source.ProcessingFlags() & kProcessWallpaper, 0);
    EXPECT_TRUE(source.Load(picture, false));
    RemoveDirectoryA(WallpaperFilePath().c_str());
  }
}

}  // namespace
}  // namespace lumi
