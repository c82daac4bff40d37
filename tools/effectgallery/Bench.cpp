#include "tools/effectgallery/Bench.h"

#include <atomic>
#include <memory>
#include <string>

#include "common/GdiGuards.h"
#include "slideshow/effects/EffectCatalogue.h"
#include "tools/effectgallery/FixedRandom.h"

namespace gallery {
namespace {

constexpr std::uint32_t kSeed = 20261209;
constexpr int kReferenceRuns = 20;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Where the effects draw: a window covering the screen's corner, or a DIB
// section. The pictures are device bitmaps for it, as the saver's are.
class Target {
 public:
  Target(BenchTarget kind, int width, int height) : width_(width), height_(height) {
    if (kind == BenchTarget::Window) {
      window_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "effect bench", WS_POPUP | WS_VISIBLE, 0,
                                0, width, height, nullptr, nullptr, nullptr, nullptr);
      if (window_) windowDc_ = zeb::WindowDcGuard(window_);
      Pump();
    } else {
      std::uint32_t* bits = nullptr;
      dib_ = CreateTopDownDib(width, height, &bits);
      memory_ = zeb::MemoryDcGuard(nullptr);
      dibSelected_ = memory_.Select(dib_.Get());
    }
  }
  ~Target() {
    // The window's context goes back before the window goes.
    windowDc_.Reset();
    if (window_) DestroyWindow(window_);
  }
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;

  bool Ok() const { return Dc() != nullptr && (window_ != nullptr || dibSelected_); }
  HDC Dc() const { return window_ ? windowDc_.Get() : memory_.Get(); }
  // A device bitmap of the picture, compatible with this target.
  zeb::OwnedBitmap DeviceCopy(const SamplePicture& picture) const {
    zeb::OwnedBitmap copy(CreateCompatibleBitmap(Dc(), picture.Width(), picture.Height()));
    {
      zeb::MemoryDcGuard from(Dc());
      zeb::MemoryDcGuard to(Dc());
      if (from.Select(picture.Bitmap()) && to.Select(copy.Get()))
        BitBlt(to.Get(), 0, 0, picture.Width(), picture.Height(), from.Get(), 0, 0, SRCCOPY);
    }
    return copy;
  }
  void Show(HBITMAP picture) const {
    zeb::MemoryDcGuard from(Dc());
    if (from.Select(picture)) BitBlt(Dc(), 0, 0, width_, height_, from.Get(), 0, 0, SRCCOPY);
    GdiFlush();
  }

 private:
  int width_, height_;
  HWND window_ = nullptr;
  zeb::WindowDcGuard windowDc_;
  zeb::OwnedBitmap dib_;
  zeb::MemoryDcGuard memory_;  // holds dib_ selected; goes first
  bool dibSelected_ = false;
};

struct Timing {
  double seconds = 0;
  long calls = 0;
};

enum class Pacing { Off, Saver };

// One transition as the slideshow runs it: prepare, draw, final copy.
Timing TimeOne(const Target& target, HBITMAP from, HBITMAP to, const RECT& area,
               std::unique_ptr<lumi::CTransitionEffect> effect, int speed,
               Pacing pacing = Pacing::Off) {
  target.Show(from);
  Pump();
  FixedRandom random(kSeed);
  std::atomic<bool> stop{false};
  effect->SetSpeed(speed);
  effect->SetRandom(random);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  if (!effect->Prepare(target.Dc(), lumi::EffectPicture{to, nullptr, area}, area, false, &stop))
    return Timing{-1, 0};
  if (pacing == Pacing::Saver) effect->PaceForSpeed();
  const long base = effect->DrawCalls();
  effect->Draw();
  const long calls = effect->DrawCalls() - base;
  effect->FinishCopy();
  GdiFlush();
  QueryPerformanceCounter(&end);
  return Timing{Seconds(start, end), calls};
}

}  // namespace

int RunBench(BenchTarget kind, const SamplePicture& fromPicture, const SamplePicture& toPicture,
             std::FILE* out) {
  const int width = toPicture.Width();
  const int height = toPicture.Height();
  Target target(kind, width, height);
  if (!target.Ok()) {
    std::fprintf(stderr, "cannot make the target\n");
    return 1;
  }
  const zeb::OwnedBitmap fromCopy = target.DeviceCopy(fromPicture);
  const zeb::OwnedBitmap toCopy = target.DeviceCopy(toPicture);
  HBITMAP from = fromCopy.Get();
  HBITMAP to = toCopy.Get();
  const RECT area{0, 0, width, height};

  // The reference: the straight copy, the least any change costs.
  double reference = 0;
  for (int run = 0; run < kReferenceRuns; ++run)
    reference +=
        TimeOne(target, from, to, area, std::make_unique<lumi::CTransitionEffect>(), 2).seconds;
  reference /= kReferenceRuns;

  std::fprintf(out,
               "Effects from one %d x %d picture to another on a %s, seconds (drawing calls)\n",
               width, height, kind == BenchTarget::Window ? "window on the screen" : "memory DIB");
  std::fprintf(out, "Reference, the straight copy: %.4f s (mean of %d)\n", reference,
               kReferenceRuns);
  std::fprintf(out,
               "Each cell: as fast as drawing goes / paced as the saver paces it (at least "
               "%.1f, %.1f, %.1f s) (drawing calls)\n\n",
               lumi::CTransitionEffect::kVisibleMs[0] / 1000.0,
               lumi::CTransitionEffect::kVisibleMs[1] / 1000.0,
               lumi::CTransitionEffect::kVisibleMs[2] / 1000.0);
  std::fprintf(out, "%-3s %-16s %28s %28s %28s\n", "#", "effect", "speed 1 (long)",
               "speed 2 (medium)", "speed 3 (short)");
  int status = 0;
  for (int index = 0; index < lumi::GetEffectCount(); ++index) {
    const std::string name = lumi::CreateEffect(index)->GetName();
    std::fprintf(out, "%-3d %-16s", index, name.c_str());
    for (int speed = 1; speed <= 3; ++speed) {
      const Timing t = TimeOne(target, from, to, area, lumi::CreateEffect(index), speed);
      const Timing paced =
          TimeOne(target, from, to, area, lumi::CreateEffect(index), speed, Pacing::Saver);
      if (t.seconds < 0 || paced.seconds < 0) status = 1;
      char cell[48];
      std::snprintf(cell, sizeof cell, "%.3f / %.2f s (%ld)", t.seconds, paced.seconds, t.calls);
      std::fprintf(out, " %28s", cell);
      std::fflush(out);
    }
    std::fprintf(out, "\n");
  }
  return status;
}

}  // namespace gallery
