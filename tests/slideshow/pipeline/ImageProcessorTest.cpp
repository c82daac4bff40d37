#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/slideshow/pipeline/PipelineFixture.h"
#include "tests/support/slideshow/TestBitmaps.h"

namespace lumi {
namespace {

using test::Rgb8;

std::string Picture(int width, int height) {
  return test::WriteScratchFile(
      "picture-" + std::to_string(width) + "x" + std::to_string(height) + ".bmp",
      test::MakeBitmapFile(width, height, [](int x, int y) {
        return Rgb8{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90};
      }));
}

class ImageProcessorTest : public testing::Test {
 protected:
  void SetUp() override { SetDisplayColourCountForTesting(1 << 24); }
  void TearDown() override {
    SetDisplayColourCountForTesting(0);
    EXPECT_EQ(ImagingLockCount(), 0);
  }
};

TEST_F(ImageProcessorTest, EnlargesAndCentresRealPictures) {
  const struct {
    int width, height;
    RECT area;
    int flags;
    int newWidth, newHeight;
    RECT dest;
  } cases[] = {
      {640, 420, {0, 0, 1024, 768}, kProcessEnlarge, 1024, 672, {0, 48, 1024, 720}},
      {960, 680, {0, 0, 1024, 768}, kProcessEnlarge, 1024, 768, {0, 0, 1024, 768}},
      {1000, 768, {0, 0, 1024, 768}, kProcessEnlarge, 1000, 768, {12, 0, 1012, 768}},
      {640, 480, {0, 0, 2048, 1536}, kProcessEnlarge, 1600, 1200, {224, 168, 1824, 1368}},
      {640, 420, {0, 0, 1024, 768}, 0, 640, 420, {192, 174, 832, 594}},
  };
  CImageProcessor processor;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " flags " << c.flags);
    CSlideImage image;
    ASSERT_TRUE(processor.Process(image, Picture(c.width, c.height), c.flags, nullptr, c.area));
    EXPECT_EQ(processor.FailureCode(), kFailNone);
    // The size the module reports, not only the one remembered.
    ASSERT_NE(image.GetBitmapData(), nullptr);
    EXPECT_EQ(image.Width(), c.newWidth);
    EXPECT_EQ(image.Height(), c.newHeight);
    EXPECT_TRUE(EqualRect(&image.DestRect(), &c.dest));
  }
}

TEST_F(ImageProcessorTest, FailuresLeaveTheImageEmptyAndSayWhichStepFailed) {
  CImageProcessor processor;
  const RECT screen{0, 0, 1024, 768};
  CSlideImage image;
  EXPECT_FALSE(
      processor.Process(image, "Z:\\no\\such\\picture.jpg", kProcessEnlarge, nullptr, screen));
  EXPECT_EQ(processor.FailureCode(), kFailLoad);
  EXPECT_FALSE(image.IsLoaded());

  // An area too small to hold a pixel row cannot be resized to.
  const RECT sliver{0, 0, 1, 1};
  EXPECT_FALSE(processor.Process(image, Picture(64, 42), kProcessEnlarge, nullptr, sliver));
  EXPECT_EQ(processor.FailureCode(), kFailEnlarge);
  EXPECT_FALSE(image.IsLoaded());

  // Grey on a 16-colour display fails the run.
  SetDisplayColourCountForTesting(16);
  EXPECT_FALSE(processor.Process(image, Picture(64, 42), kProcessGrey, nullptr, screen));
  EXPECT_EQ(processor.FailureCode(), kFailNone);
  EXPECT_FALSE(image.IsLoaded());
  SetDisplayColourCountForTesting(256);
  EXPECT_TRUE(processor.Process(image, Picture(64, 42), kProcessGrey, nullptr, screen));
  // On 16 colours, colour reduction makes a 4-bit picture.
  SetDisplayColourCountForTesting(16);
  EXPECT_TRUE(processor.Process(image, Picture(64, 42), kProcessReduceOnPalette, nullptr, screen));
  int bits = 0;
  ASSERT_NE(image.GetBitmapData(&bits), nullptr);
  EXPECT_EQ(bits, 4);

  // A missing overlay graphic costs nothing.
  SetDisplayColourCountForTesting(1 << 24);
  processor.SetOverlay("Z:\\no\\such\\overlay.bmp", kOverlayBottomRight);
  EXPECT_TRUE(processor.Process(image, Picture(64, 42), 0, nullptr, screen));
  processor.ClearOverlay();
}

TEST_F(ImageProcessorTest, ReducesColoursOnlyWhereAsked) {
  CImageProcessor processor;
  const RECT screen{0, 0, 1024, 768};
  const struct {
    int displayColours;
    int flags;
    bool reduced;
  } cases[] = {
      {1 << 24, kProcessReduceOnPalette, false},
      {256, kProcessReduceOnPalette, true},
      {1 << 24, kProcessReduceAlways, true},
      {256, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.displayColours << " colours, flags " << c.flags);
    SetDisplayColourCountForTesting(c.displayColours);
    CSlideImage image;
    ASSERT_TRUE(processor.Process(image, Picture(64, 42), c.flags, nullptr, screen));
    int bits = 0;
    ASSERT_NE(image.GetBitmapData(&bits), nullptr);
    EXPECT_EQ(bits <= 8, c.reduced);
  }
}

TEST_F(ImageProcessorTest, AlwaysCancellingStopsTheRunAndEmptiesTheImage) {
  CImageProcessor processor;
  processor.SetCancelQuery([](void*) { return 1; }, nullptr);
  CSlideImage image;
  EXPECT_FALSE(
      processor.Process(image, Picture(640, 420), kProcessEnlarge, nullptr, RECT{0, 0, 1024, 768}));
  EXPECT_FALSE(image.IsLoaded());
  // The next run without a cancel succeeds: nothing of the cancel lingers.
  processor.SetCancelQuery(nullptr, nullptr);
  EXPECT_TRUE(
      processor.Process(image, Picture(640, 420), kProcessEnlarge, nullptr, RECT{0, 0, 1024, 768}));
}

TEST_F(ImageProcessorTest, HeldEscapeAbortsOnlyWhenAskedFor) {
  const std::string picture = Picture(640, 420);
  const RECT screen{0, 0, 1024, 768};
  CImageProcessor processor;
  keybd_event(VK_ESCAPE, 0, 0, 0);
  CSlideImage image;
  const bool ignored = processor.Process(image, picture, kProcessEnlarge, nullptr, screen);
  processor.SetEscapeCancels(true);
  const bool aborted = !processor.Process(image, picture, kProcessEnlarge, nullptr, screen);
  const bool emptied = !image.IsLoaded();
  keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
  const bool afterRelease = processor.Process(image, picture, kProcessEnlarge, nullptr, screen);
  EXPECT_TRUE(ignored);
  EXPECT_TRUE(aborted);
  EXPECT_TRUE(emptied);
  EXPECT_TRUE(afterRelease);
}

// The slideshow thread and the main thread process pictures at the same time;
// each run's progress must reach its own processor only.
struct OwnThread {
  DWORD thread = 0;
  std::atomic<int> calls{0};
  std::atomic<int> strays{0};
};

int CheckThread(void* context) {
  auto* own = static_cast<OwnThread*>(context);
  ++own->calls;
  if (GetCurrentThreadId() != own->thread) ++own->strays;
  return 0;
}

TEST_F(ImageProcessorTest, TwoThreadsProcessSideBySide) {
  const std::string pictures[] = {Picture(640, 420), Picture(320, 240)};
  std::atomic<int> failures{0};
  OwnThread owners[2];
  auto work = [&](int which) {
    OwnThread& own = owners[which];
    own.thread = GetCurrentThreadId();
    CImageProcessor processor;
    processor.SetCancelQuery(&CheckThread, &own);
    for (int i = 0; i < 4; ++i) {
      CSlideImage image;
      if (!processor.Process(image, pictures[which], kProcessEnlarge | kProcessReduceAlways,
                             nullptr, RECT{0, 0, 800, 600}) ||
          !image.MakeDeviceBitmap(nullptr))
        ++failures;
    }
  };
  std::thread a(work, 0), b(work, 1);
  a.join();
  b.join();
  EXPECT_EQ(failures.load(), 0);
  for (const OwnThread& own : owners) {
    EXPECT_GT(own.calls.load(), 0);
    EXPECT_EQ(own.strays.load(), 0);
  }
  EXPECT_EQ(ImagingLockCount(), 0);
}

class WallpaperTest : public ImageProcessorTest {
 protected:
  void SetUp() override {
    ImageProcessorTest::SetUp();
    SetWallpaperFile(false);
    DeleteFileA(WallpaperFilePath().c_str());
    GetSaverSettings().ResetLastWallpaperChange();
    resetStamp_ = GetSaverSettings().GetLastWallpaperChange();
  }
  static bool WallpaperFileSize(int* width, int* height) {
    imaging::ImgQueryInfo info{};
    if (imaging::ImgQueryFile(WallpaperFilePath().c_str(), &info) < 0) return false;
    *width = info.width;
    *height = info.height;
    return true;
  }
  test::DesktopKeeper keeper_;
  std::time_t resetStamp_ = 0;
};

// Answers "cancel" once the run has reached saving.
int CancelWhileSaving(void* context) {
  const auto* recorder = static_cast<const test::ProgressRecorder*>(context);
  return !recorder->stageTexts.empty() && recorder->stageTexts.back() == "Saving...";
}

TEST_F(WallpaperTest, SavedPictureBecomesTheWallpaper) {
  CImageProcessor processor;
  CSlideImage image;
  ASSERT_TRUE(processor.Process(image, Picture(640, 420), kProcessWallpaper | kProcessEnlarge,
                                nullptr, RECT{0, 0, 1024, 768}));
  int width = 0, height = 0;
  ASSERT_TRUE(WallpaperFileSize(&width, &height));
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 672);
  EXPECT_TRUE(IsOwnWallpaper());
  EXPECT_NE(GetSaverSettings().GetLastWallpaperChange(), resetStamp_);
}

TEST_F(WallpaperTest, CancelWhileSavingFinishesTheFileButKeepsTheOldWallpaper) {
  test::ProgressRecorder recorder;
  CImageProcessor processor;
  processor.SetCancelQuery(&CancelWhileSaving, &recorder);
  CSlideImage image;
  EXPECT_FALSE(processor.Process(image, Picture(640, 420), kProcessWallpaper | kProcessEnlarge,
                                 recorder.Window(), RECT{0, 0, 1024, 768}));
  EXPECT_FALSE(image.IsLoaded());
  int width = 0, height = 0;
  ASSERT_TRUE(WallpaperFileSize(&width, &height));
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(recorder.cannotCancel, std::vector<WPARAM>{1});
  EXPECT_FALSE(IsOwnWallpaper());
  EXPECT_EQ(GetSaverSettings().GetLastWallpaperChange(), resetStamp_);
}

TEST_F(WallpaperTest, MakeWallpaperFillsTheDesktopWithTheWallpaperOptions) {
  RECT desktop{};
  GetClientRect(GetDesktopWindow(), &desktop);
  CSaverSettings& settings = GetSaverSettings();
  const bool enlarge = settings.GetEnlargeWallpaperPics();
  settings.SetEnlargeWallpaperPics(true);
  test::ProgressRecorder recorder;
  CImageProcessor processor;
  ASSERT_TRUE(processor.MakeWallpaper(Picture(320, 240), recorder.Window()));
  settings.SetEnlargeWallpaperPics(enlarge);

  int width = 0, height = 0;
  ASSERT_TRUE(WallpaperFileSize(&width, &height));
  CSlideImage expected;
  CImageProcessor reference;
  ASSERT_TRUE(reference.Process(expected, Picture(320, 240), kProcessEnlarge, nullptr, desktop));
  EXPECT_EQ(width, expected.Width());
  EXPECT_EQ(height, expected.Height());
  EXPECT_TRUE(IsOwnWallpaper());
  EXPECT_NE(std::find(recorder.stageTexts.begin(), recorder.stageTexts.end(), "Saving..."),
            recorder.stageTexts.end());
}

}  // namespace
}  // namespace lumi
