#pragma once
// The slideshow's ties to the rest of the saver, each small enough that a
// test can stand in for it: the collections, the settings store, the image
// pipeline, the drawing on the window, the sound requests, time and chance.
#include <atomic>
#include <cstdint>
#include <string>

#include "slideshow/display/show/PlayEntry.h"

namespace lumi {

// The open collections, as the play order and the loop read them.
class PictureCatalog {
 public:
  virtual ~PictureCatalog() = default;
  virtual int CollectionCount() const = 0;
  virtual bool IsActive(int collection) const = 0;
  virtual int PictureCount(int collection) const = 0;
  virtual bool IsRemoved(int collection, int picture) const = 0;
  // False when the collection no longer holds a usable record for the entry.
  virtual bool ReadPicture(const PlayEntry& entry, ShowPicture& picture) const = 0;
};

// Where the slideshow resumes, and the settings it reads while it runs.
class ShowStore {
 public:
  virtual ~ShowStore() = default;
  // The picture stored as the next one to show; false when there is none.
  virtual bool LoadStoredNext(PlayEntry& entry) = 0;
  virtual void SaveNextPicture(const PlayEntry& entry) = 0;
  virtual bool UseSoundEffects() = 0;
  // The caption-bar message for the coming picture, or empty.
  virtual std::string NextMessage() = 0;
};

// The image pipeline's side: loads a picture into the current picture and
// turns it into a bitmap for the screen. The pipeline gives up a load when
// the slideshow's stop flag is set.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // Around the whole run, on the worker thread.
  virtual void BeginRun() {}
  virtual void EndRun() {}
  // The progress dialog shows only while the first picture is prepared.
  virtual bool Load(const ShowPicture& picture, bool firstPicture) = 0;
  virtual bool MakeDisplayable() = 0;
  // A display of 17 to 256 colours, where every picture starts on black.
  virtual bool OnPaletteDisplay() const = 0;
};

// Draws the change to the current picture; the window's repaint has one of
// its own for its paint context.
class TransitionDrawer {
 public:
  virtual ~TransitionDrawer() = default;
  // Ends early, leaving a partly drawn change, once stop is set.
  virtual void DrawTransition(const std::atomic<bool>& stop) = 0;
};

// Everything the worker draws on its own context of the saver window.
class Presenter : public TransitionDrawer {
 public:
  // Around the whole run (the worker's device context) and around each
  // picture (its drawing state).
  virtual void BeginRun() {}
  virtual void EndRun() {}
  virtual void SavePictureState() {}
  virtual void RestorePictureState() {}
  virtual void HideProgress() = 0;
  virtual void ClearScreen() = 0;
  virtual void DrawTitle(const std::string& title) = 0;
  // Shows the caption bar with a non-empty message and waits the seconds out
  // through the slideshow's sliced wait.
  virtual void ShowCaptionAndWait(int seconds, const std::string& message) = 0;
  virtual void ShowNotice(const std::string& text) = 0;
};

// Sounds are played by the window's thread; the worker only asks.
class SoundRequests {
 public:
  virtual ~SoundRequests() = default;
  virtual void Stop() = 0;
  // soundName is the picture's sound member as the collection names it.
  virtual void Play(const std::string& soundName, bool repeat) = 0;
};

class ShowClock {
 public:
  virtual ~ShowClock() = default;
  virtual void Sleep(int milliseconds) = 0;
  // Milliseconds from an arbitrary origin; wraps around like a tick count.
  virtual std::uint32_t NowMilliseconds() = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Each shuffle starts a fresh sequence.
  virtual void Reseed() = 0;
  // Non-negative.
  virtual int Next() = 0;
};

}  // namespace lumi
