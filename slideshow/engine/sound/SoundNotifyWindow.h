#pragma once
// The hidden child window through which MCI tells the sound player that a
// file has finished: it forwards MM_MCINOTIFY and nothing else.
#include <windows.h>

#include <functional>

#include "common/Window.h"

namespace lumi {

class SoundNotifyWindow final : public zeb::Window {
 public:
  // The notify code (MCI_NOTIFY_SUCCESSFUL, ...) and the device it concerns.
  using Forward = std::function<void(WPARAM code, UINT device)>;

  explicit SoundNotifyWindow(Forward forward) : forward_(std::move(forward)) {}

  // A hidden child of parent; false when it could not be made.
  bool Create(HWND parent);

  static constexpr const char kClassName[] = "LumishowSoundNotify";
  static constexpr const char kTitle[] = "MIDIStub";
  static constexpr int kControlId = 7534;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  Forward forward_;
};

}  // namespace lumi
