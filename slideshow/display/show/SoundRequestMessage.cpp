#include "slideshow/display/show/SoundRequestMessage.h"

#include <cstring>
#include <memory>

namespace lumi {

bool PostSoundStop(HWND window) { return PostMessageA(window, kSoundRequestMessage, 0, 0) != 0; }

bool PostSoundPlay(HWND window, const std::string& path, bool repeat) {
  auto text = std::make_unique<char[]>(path.size() + 1);
  std::memcpy(text.get(), path.c_str(), path.size() + 1);
  if (!PostMessageA(window, kSoundRequestMessage, repeat ? 1 : 0,
                    reinterpret_cast<LPARAM>(text.get()))) {
    return false;
  }
  text.release();
  return true;
}

SoundRequest TakeSoundRequest(WPARAM wParam, LPARAM lParam) {
  SoundRequest request;
  if (lParam == 0) return request;
  const std::unique_ptr<char[]> text(reinterpret_cast<char*>(lParam));
  request.play = true;
  request.path = text.get();
  request.repeat = wParam != 0;
  return request;
}

void WindowSoundRequests::Stop() { PostSoundStop(window_); }

void WindowSoundRequests::Play(const std::string& soundName, bool repeat) {
  const std::string path = extract_ ? extract_(soundName) : std::string();
  // A member the package does not hold leaves nothing to play.
  if (!path.empty()) PostSoundPlay(window_, path, repeat);
}

}  // namespace lumi
