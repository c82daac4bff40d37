#pragma once
// The wave-out volume of the first sound device, behind a seam so that the
// configuration form's effect on the user's device can be checked without one.
#include <windows.h>

#include <optional>

namespace gulpleaf {

class VolumeDevice {
 public:
  virtual ~VolumeDevice() = default;
  // Both channels' levels, left in the low word; nothing when the device
  // cannot tell (no device, or the driver has no volume control).
  virtual std::optional<DWORD> Read() = 0;
  virtual void Write(DWORD levels) = 0;
};

// Device 0 through waveOutGetVolume / waveOutSetVolume; failures are silent.
class WaveOutVolume final : public VolumeDevice {
 public:
  std::optional<DWORD> Read() override;
  void Write(DWORD levels) override;
};

}  // namespace gulpleaf
