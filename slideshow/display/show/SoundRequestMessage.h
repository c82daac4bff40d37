#pragma once
// The worker's sound requests to the saver window, as posted WM_APP + 1
// messages: without a string, stop all sound; with one, play that file, the
// first parameter saying whether it repeats. The string is allocated by the
// sender and belongs to the receiver once posted.
#include <windows.h>

#include <functional>
#include <string>

#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

inline constexpr UINT kSoundRequestMessage = WM_APP + 1;

bool PostSoundStop(HWND window);
// The string is freed here when the message could not be posted.
bool PostSoundPlay(HWND window, const std::string& path, bool repeat);

struct SoundRequest {
  bool play = false;
  std::string path;
  bool repeat = false;
};
// The receiver's side: takes over the message's string and frees it.
SoundRequest TakeSoundRequest(WPARAM wParam, LPARAM lParam);

// Extracts the picture's sound member to a file and asks the window to play it.
class WindowSoundRequests final : public SoundRequests {
 public:
  using Extractor = std::function<std::string(const std::string& member)>;
  WindowSoundRequests(HWND window, Extractor extract)
      : window_(window), extract_(std::move(extract)) {}

  void Stop() override;
  void Play(const std::string& soundName, bool repeat) override;

 private:
  HWND window_;
  Extractor extract_;
};

}  // namespace lumi
