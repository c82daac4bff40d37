// Times the plant saver's frame step with real GDI at two screen sizes and
// counts the pixels it copies to the screen, against a full-screen copy
// measured in the same run.
#include <windows.h>

#include <cstdio>

#include "common/GdiGuards.h"
#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/FrameStep.h"
#include "plantsaver/animation/GdiScene.h"
#include "plantsaver/animation/SpriteSheets.h"

namespace {

using namespace gulpleaf;

class CountingCopier final : public ScreenCopier {
 public:
  CountingCopier(HDC screen, const BackBuffer& back) : inner_(screen, back) {}
  void Copy(int x, int y, int w, int h) override {
    if (w > 0 && h > 0) pixels += static_cast<long long>(w) * h;
    inner_.Copy(x, y, w, h);
  }
  long long pixels = 0;

 private:
  FormCopier inner_;
};

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

void Measure(const SpriteSheets& sheets, int w, int h) {
  // Declared in release order: the stand-in screen deselects its bitmap
  // before the bitmap goes, and the desktop's context is released last.
  zeb::WindowDcGuard desktop(nullptr);
  zeb::GdiObjectGuard screenBitmap(CreateCompatibleBitmap(desktop.Get(), w, h));
  zeb::MemoryDcGuard screen(desktop.Get());
  screen.Select(screenBitmap.Get());
  {
    BackBuffer back(desktop.Get(), sheets, w, h);
    SilentSound sound;
    NoPause pause;
    LcgRandom random(20261208);
    ActorWorld world{back, sound, random, pause};
    TKanne can(world, false);
    TPflanz plant(world, false);
    TFly fly(world, &plant, false);
    plant.Link(&can, &fly.reentryRequest);
    can.Link(&plant);
    CountingCopier copier(screen.Get(), back);
    FrameStep step(can, plant, fly, copier, h);

    for (int i = 0; i < 500; ++i) step.Run();  // into the action
    copier.pixels = 0;
    const int frames = 20000;
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < frames; ++i) step.Run();
    GdiFlush();
    QueryPerformanceCounter(&t1);
    double stepUs = Seconds(t0, t1) * 1e6 / frames;
    double pixelsPerFrame = static_cast<double>(copier.pixels) / frames;

    const int fullCopies = 300;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < fullCopies; ++i) BitBlt(screen.Get(), 0, 0, w, h, back.Dc(), 0, 0, SRCCOPY);
    GdiFlush();
    QueryPerformanceCounter(&t1);
    double fullUs = Seconds(t0, t1) * 1e6 / fullCopies;
    std::printf("%4d x %-4d  frame step %8.1f us   full-screen copy %8.1f us   copied %9.0f px/frame "
                "of %8d (%.1f%%)\n",
                w, h, stepUs, fullUs, pixelsPerFrame, w * h, 100.0 * pixelsPerFrame / (w * h));
  }
}

}  // namespace

int main() {
  SpriteSheets sheets(GetModuleHandleA(nullptr));
  if (!sheets.AllLoaded()) {
    std::fprintf(stderr, "sprite sheets missing\n");
    return 1;
  }
  Measure(sheets, 1024, 768);
  Measure(sheets, 1920, 1080);
  return 0;
}
