#pragma once
// CTransitionEffect: one transition from the picture on screen to the next,
// drawn straight onto the saver window's device context from an off-screen
// source. The base class is the plain effect, a single straight copy; the
// other effects derive from it and draw the same source in steps.
//
// Lifecycle: Prepare -> Draw -> FinishCopy (skipped when a stop was
// requested) -> destruction, all on one thread and with the target context
// still valid. An effect object is used for one transition only.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/GdiGuards.h"
#include "slideshow/effects/EffectRandom.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

// What a transition brings on screen: the picture's device bitmap, its
// palette (null on true-colour displays) and where it lies on the target.
struct EffectPicture {
  HBITMAP bitmap = nullptr;
  HPALETTE palette = nullptr;
  RECT placement{};
};

// Sees every drawing call an effect makes on its target: the effect gallery
// takes its frames there, the benchmark counts them.
class EffectWatcher {
 public:
  virtual ~EffectWatcher() = default;
  // After one or more drawing calls; calls is the effect's total so far.
  virtual void AfterDrawing(long calls) = 0;
};

// The time pacing reads and waits on: the system's, or the slideshow's own
// clock (which tests step).
class EffectClock {
 public:
  virtual ~EffectClock() = default;
  virtual std::uint32_t NowMilliseconds() = 0;
  virtual void Sleep(int milliseconds) = 0;
};
EffectClock& SystemEffectClock();

class CTransitionEffect {
 public:
  CTransitionEffect() = default;
  // Gives back what Prepare took: the target's saved state, the source
  // context (after putting back its own bitmap), the tiled copy, and the
  // target's previous palette. So the target must still be valid here, and
  // the picture's palette must not be deleted before the effect is.
  virtual ~CTransitionEffect();
  CTransitionEffect(const CTransitionEffect&) = delete;
  CTransitionEffect& operator=(const CTransitionEffect&) = delete;

  // Speeds: 1 long (small steps), 2 medium, 3 short (large steps).
  static constexpr int kDefaultSpeed = 2;
  // Fixes the speed that Prepare would otherwise read from the settings store.
  void SetSpeed(int speed) {
    fixedSpeed_ = speed;
    speed_ = speed;
  }

  // The random source of the effect's choices; the runtime's generator
  // unless set. It must outlive the effect.
  void SetRandom(EffectRandom& random) { random_ = &random; }
  void SetWatcher(EffectWatcher* watcher) { watcher_ = watcher; }
  // Drawing calls on the target so far (copies, fills, scrolls; a line of
  // blocks counts each block).
  long DrawCalls() const { return drawCalls_; }

  // Spreads the effect over at least minimumMs: on a machine whose drawing
  // is fast the effect waits between its drawing calls, in proportion to
  // the calls made, so that the user sees it happen; where drawing itself
  // takes that long, nothing is added. Called after Prepare: it measures the
  // calls the coming Draw will make by running it once without drawing (with
  // the same random choices, which Draw then takes again).
  void PlanPacing(int minimumMs, EffectClock& clock = SystemEffectClock());
  // The saver's pacing: the longer the chosen duration, the longer at least.
  static constexpr int kVisibleMs[3] = {2400, 1600, 800};
  void PaceForSpeed(EffectClock& clock = SystemEffectClock()) {
    PlanPacing(BySpeed(kVisibleMs[0], kVisibleMs[1], kVisibleMs[2]), clock);
  }

  // Builds the source from the picture (a display-sized tiled copy when tile
  // is set and the picture is not already the display's size), selects the
  // picture's palette into the target, and blackens the display outside the
  // picture rectangle. False, with nothing drawn, when the picture has no
  // usable bitmap or the source cannot be made. The stop flag (may be null)
  // must outlive the effect. Until the effect goes, its drawing on the target
  // is held inside the display rectangle: blocks and lines at the picture's
  // right and bottom edges may reach past it.
  bool Prepare(HDC target, const EffectPicture& picture, const RECT& display, bool tile,
               const std::atomic<bool>* stop);
  bool Prepare(HDC target, const CSlideImage& image, const RECT& display, bool tile,
               const std::atomic<bool>* stop) {
    return Prepare(target, EffectPicture{image.Bitmap(), image.Palette(), image.DestRect()},
                   display, tile, stop);
  }

  // Runs the transition; returns 1 when it ran to its end, 0 when it stopped
  // early or there was nothing prepared. The caller ignores the result.
  virtual int Draw();
  // Copies the whole picture rectangle, so that every finished transition
  // ends on the complete picture.
  void FinishCopy();
  virtual std::string GetName() const { return "Straight Copy"; }

 protected:
  HDC Target() const { return target_; }
  // The source's origin is the picture rectangle's top-left corner.
  HDC Source() const { return source_.Get(); }
  const RECT& PictureRect() const { return picture_; }
  const RECT& DisplayRect() const { return display_; }
  int PictureWidth() const { return picture_.right - picture_.left; }
  int PictureHeight() const { return picture_.bottom - picture_.top; }
  int Speed() const { return speed_; }
  bool StopRequested() const { return stop_ && stop_->load(std::memory_order_relaxed); }
  bool Prepared() const { return static_cast<bool>(source_); }
  // Each speed's value; any speed but 1 and 3 counts as 2.
  int BySpeed(int speed1, int speed2, int speed3) const {
    return speed_ == 1 ? speed1 : speed_ == 3 ? speed3 : speed2;
  }
  // rand(): 0 .. 32767.
  int Rand() { return random_->Next(); }
  // A random bit is the parity of one rand() value.
  bool RandomOdd() { return Rand() % 2 != 0; }

  // The drawing calls. Each is counted and shown to the watcher.
  // Copies a part of the picture to its place on the target; x and y are
  // relative to the picture rectangle.
  void CopyPart(int x, int y, int width, int height);
  // Copies from the source at (sourceX, sourceY) to the target at
  // (targetX, targetY), in target coordinates.
  void CopyTo(int targetX, int targetY, int width, int height, int sourceX, int sourceY);
  // PatBlt on the target, in target coordinates.
  void Fill(int x, int y, int width, int height, DWORD rop);
  // Scrolls the part of the target in area by (dx, dy), with no update region.
  void Scroll(int dx, int dy, const RECT& area);
  // DrawBlockLine on this effect's target, source and picture corner.
  void DrawLine(int blockSize, int x0, int y0, int x1, int y1);

  // Waits that belong to the effect's own rhythm: a plain sleep, and the
  // calibrated busy wait.
  void Pause(int milliseconds);
  void PauseCalibrated(int milliseconds);

  // Clipping, always within the display rectangle.
  void ClipToPicture();
  // The ellipse inscribed in r.
  void ClipToEllipse(const RECT& r);
  void ExcludeFromClip(const RECT& r);
  // Back to the display rectangle alone. Effects change the target's
  // clipping only through these calls (no SaveDC of their own): the effect
  // puts the target's state back when it goes.
  void RemoveClip();

 private:
  void Release();
  void FillMargins();
  void Drew(long calls);
  void PaceTo(long calls);
  bool Planning() const { return plan_ == Plan::Measuring; }

  // The random values the measuring run drew, given again to the real one.
  class ReplayRandom final : public EffectRandom {
   public:
    EffectRandom* inner = nullptr;
    std::vector<int> values;
    std::size_t next = 0;
    bool recording = false;
    void Seed(unsigned seed) override { inner->Seed(seed); }
    int Next() override;
  };

  HDC target_ = nullptr;
  RECT picture_{};
  RECT display_{};
  const std::atomic<bool>* stop_ = nullptr;
  // What Prepare takes, in the order it takes it; Release gives it back in
  // the reverse order, which is also the order of destruction.
  std::optional<zeb::PaletteGuard> picturePalette_;  // the picture's, on the target
  zeb::OwnedBitmap tiled_;
  zeb::MemoryDcGuard source_;
  std::optional<zeb::DcStateGuard> targetState_;  // saved after the palette was selected
  zeb::OwnedRegion callerClip_;                   // the target's clipping before the effect, if any
  int fixedSpeed_ = 0;                            // 0: read the settings store
  int speed_ = kDefaultSpeed;
  EffectRandom* random_ = &RuntimeEffectRandom();
  EffectWatcher* watcher_ = nullptr;
  long drawCalls_ = 0;

  enum class Plan { None, Measuring, Pacing };
  Plan plan_ = Plan::None;
  ReplayRandom replay_;
  long plannedCalls_ = 0;  // the calls Draw makes, as measured
  long pacedFrom_ = 0;     // drawCalls_ when Draw began
  int minimumMs_ = 0;
  EffectClock* clock_ = nullptr;
  bool pacingStarted_ = false;
  std::uint32_t pacingStart_ = 0;  // the clock at the first paced call
};

}  // namespace lumi
