#pragma once
// CSoundPlayer: the background music of the slideshow. One player serves the
// whole process; it plays files through MCI one after another, shuffled and
// looping as asked, and moves on when MCI reports that a file has finished.
// Only the main thread uses it: completion arrives as a window message there.
#include <windows.h>
// after windows.h, whose types it uses
#include <mmsystem.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/engine/sound/MciCommands.h"

namespace lumi {

class CSoundPlayList;
class SoundNotifyWindow;

struct SoundPlayerTies {
  MciCommands& mci;
  PlayerRandom& random;
  PlayerClock& clock;
  PlayerReport& report;
};

class CSoundPlayer {
 public:
  // The process's one player, over the system's MCI.
  static CSoundPlayer& GetPlayer();

  // A player while no other exists; a further one says so and stays inert.
  explicit CSoundPlayer(const SoundPlayerTies& ties);
  ~CSoundPlayer();
  CSoundPlayer(const CSoundPlayer&) = delete;
  CSoundPlayer& operator=(const CSoundPlayer&) = delete;

  // Where the notification window's parent comes from: the application's
  // main window, asked for at the first play request.
  void SetMainWindowSource(std::function<HWND()> source);

  // Each play request first stops what plays, so the new list replaces it.
  void PlayPlayList(const CSoundPlayList& list);
  void PlayFiles(const std::vector<std::string>& files, bool shuffle, bool loop);
  void PlayFile(const std::string& path, bool loop);
  // Closes the device (no MCI_STOP: closing ends the play).
  void Stop();
  // From the notification window: a file of the given device has finished,
  // was aborted, superseded or failed.
  void OnNotify(WPARAM code, MCIDEVICEID device);

  static constexpr MCIDEVICEID kNoDevice = static_cast<MCIDEVICEID>(-1);
  static constexpr int kStopped = -1;
  static constexpr const char kSecondPlayerMessage[] =
      "Only one CSoundPlayer can be created! Call CSoundPlayer::GetPlayer() to retrieve player.";

  // What the player is doing; an inert player reports stopped.
  bool HasState() const { return state_ != nullptr; }
  bool IsPlaying() const;
  MCIDEVICEID Device() const;
  int Position() const;  // index of the next file to start, kStopped when stopped
  bool IsLoop() const;
  const std::vector<std::string>& List() const;
  HWND NotifyWindow() const;

 private:
  struct State;

  void EnsureNotifyWindow();
  void StartNext();
  MCIERROR OpenAndPlay(const std::string& path);
  void CloseDevice();
  int Draw(int count);

  SoundPlayerTies ties_;
  std::unique_ptr<State> state_;
};

}  // namespace lumi
