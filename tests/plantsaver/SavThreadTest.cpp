// The animation thread against a stand-in for the saver form: it builds its
// scene through the main-thread hand-off, and stops by itself when that
// step fails instead of stepping a scene that does not exist.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/GdiGuards.h"
#include "plantsaver/animation/AnimationHost.h"
#include "plantsaver/animation/SavThread.h"
#include "plantsaver/animation/SpriteSheets.h"

namespace gulpleaf {
namespace {

class QuietSettings final : public AnimationSettingsSource {
 public:
  AnimationSettings Load() const override {
    AnimationSettings s;
    s.sound = false;
    s.startTrack = false;
    s.speed = 1;
    return s;
  }
};

// A memory surface with no sheets loaded (the test program has none).
class FakeSurface final : public AnimationSurface {
 public:
  HDC Canvas() override {
    ++canvasCalls;
    if (failCanvas) throw std::runtime_error("no canvas");
    return memory.Get();
  }
  const SpriteSheets& Sheets() const override { return sheets; }
  int ClientWidth() const override { return 320; }
  int ClientHeight() const override { return 240; }

  bool failCanvas = false;
  int canvasCalls = 0;
  zeb::MemoryDcGuard memory{nullptr};
  SpriteSheets sheets{GetModuleHandleA(nullptr)};
};

TEST(SavThreadTest, FailedSceneBuildEndsTheThreadWithoutATerminateRequest) {
  FakeSurface surface;
  surface.failCanvas = true;
  QuietSettings settings;
  TsavThread thread(surface, settings, GetModuleHandleA(nullptr));
  ASSERT_TRUE(thread.Create());
  thread.Resume();
  thread.WaitFor();  // returns only because the thread gave up by itself
  EXPECT_TRUE(thread.Finished());
  EXPECT_EQ(surface.canvasCalls, 1);
  EXPECT_FALSE(thread.SceneReady());
}

TEST(SavThreadTest, BuiltSceneRunsUntilStoppedAndIsTornDownOnTheMainThread) {
  FakeSurface surface;
  QuietSettings settings;
  TsavThread thread(surface, settings, GetModuleHandleA(nullptr));
  ASSERT_TRUE(thread.Create());
  thread.Resume();
  MSG msg;
  while (!thread.SceneReady()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  EXPECT_FALSE(thread.Finished());
  thread.Stop();
  EXPECT_TRUE(thread.Finished());
  EXPECT_FALSE(thread.SceneReady());
}

}  // namespace
}  // namespace gulpleaf
