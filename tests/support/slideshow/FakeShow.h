#pragma once
// Stand-ins for the slideshow's ties: collections described in the test, a
// clock that advances only when slept on, and a presenter, source and sound
// that write what they were asked into one shared log.
#include <functional>
#include <string>
#include <vector>

#include "slideshow/display/show/ShowSeams.h"

namespace lumi::test {

struct FakeCollection {
  bool active = true;
  std::vector<ShowPicture> pictures;
  std::vector<int> removed;  // picture indexes
};

class FakeCatalog : public PictureCatalog {
 public:
  std::vector<FakeCollection> collections;

  int CollectionCount() const override { return static_cast<int>(collections.size()); }
  bool IsActive(int c) const override { return collections.at(c).active; }
  int PictureCount(int c) const override {
    return static_cast<int>(collections.at(c).pictures.size());
  }
  bool IsRemoved(int c, int p) const override;
  bool ReadPicture(const PlayEntry& entry, ShowPicture& picture) const override;
};

// One collection of pictures named "p0.jpg", "p1.jpg", ...
FakeCatalog CatalogOf(int pictures);

class FakeStore : public ShowStore {
 public:
  bool hasStored = false;
  PlayEntry stored;
  std::vector<PlayEntry> saved;
  bool useSounds = true;
  std::string message;

  bool LoadStoredNext(PlayEntry& entry) override;
  void SaveNextPicture(const PlayEntry& entry) override { saved.push_back(entry); }
  bool UseSoundEffects() override { return useSounds; }
  std::string NextMessage() override { return message; }
};

class FakeClock : public ShowClock {
 public:
  std::uint32_t now = 0;
  std::vector<int> sleeps;
  // Called after every sleep with the total slept so far.
  std::function<void(long long)> afterSleep;

  void Sleep(int milliseconds) override;
  std::uint32_t NowMilliseconds() override { return now; }
  long long TotalSlept() const;
};

class FixedRandom : public RandomSource {
 public:
  explicit FixedRandom(std::vector<int> values) : values_(std::move(values)) {}
  void Reseed() override { ++reseeds; }
  int Next() override { return values_.at(next_++ % values_.size()); }
  int reseeds = 0;

 private:
  std::vector<int> values_;
  std::size_t next_ = 0;
};

class Log {
 public:
  void Add(std::string event) { events.push_back(std::move(event)); }
  std::vector<std::string> events;
};

class ScriptedSource : public PictureSource {
 public:
  ScriptedSource(Log& log, FakeClock& clock) : log_(log), clock_(clock) {}
  // Image references whose load fails.
  std::vector<std::string> failing;
  int loadMs = 0;  // time a load takes
  std::function<void()> duringLoad;
  bool paletteDisplay = false;

  bool Load(const ShowPicture& picture, bool firstPicture) override;
  bool MakeDisplayable() override { return true; }
  bool OnPaletteDisplay() const override { return paletteDisplay; }

 private:
  Log& log_;
  FakeClock& clock_;
};

class ScriptedPresenter : public Presenter {
 public:
  explicit ScriptedPresenter(Log& log) : log_(log) {}
  void DrawTransition(const std::atomic<bool>&) override { log_.Add("transition"); }
  void HideProgress() override { log_.Add("hide progress"); }
  void ClearScreen() override { log_.Add("clear"); }
  void DrawTitle(const std::string& title) override { log_.Add("title " + title); }
  void ShowCaptionAndWait(int seconds, const std::string& message) override;
  void ShowNotice(const std::string& text) override { log_.Add("notice " + text); }

 private:
  Log& log_;
};

class LoggedSound : public SoundRequests {
 public:
  explicit LoggedSound(Log& log) : log_(log) {}
  void Stop() override { log_.Add("sound stop"); }
  void Play(const std::string& name, bool repeat) override {
    log_.Add("sound play " + name + (repeat ? " repeat" : ""));
  }

 private:
  Log& log_;
};

}  // namespace lumi::test
