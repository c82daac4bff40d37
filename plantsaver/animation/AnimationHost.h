#pragma once
// What the animation thread needs from the program around it, so that the
// animation depends on neither the saver form nor the settings store: the
// surface it draws on, and the settings it runs with.
#include <windows.h>

namespace gulpleaf {

class SpriteSheets;

// The form the scene is shown on; used on the main thread only.
class AnimationSurface {
 public:
  virtual ~AnimationSurface() = default;
  virtual HDC Canvas() = 0;
  virtual const SpriteSheets& Sheets() const = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
};

// The stored settings the animation runs with.
struct AnimationSettings {
  int speed = 50;     // frame period in milliseconds
  bool sound = true;  // effect sounds and the click sound
  bool startTrack = true;
  int volume = 0;  // wave-out level; 0: the device's current level
};

// Read once by the animation thread when it starts, on that thread.
class AnimationSettingsSource {
 public:
  virtual ~AnimationSettingsSource() = default;
  virtual AnimationSettings Load() const = 0;
};

}  // namespace gulpleaf
