#include "plantsaver/setup/VolumeDevice.h"

#include <mmsystem.h>

namespace gulpleaf {

// Device 0 is named by a null handle.
std::optional<DWORD> WaveOutVolume::Read() {
  DWORD levels = 0;
  if (waveOutGetVolume(nullptr, &levels) != MMSYSERR_NOERROR) {
    return std::nullopt;
  }
  return levels;
}

void WaveOutVolume::Write(DWORD levels) { waveOutSetVolume(nullptr, levels); }

}  // namespace gulpleaf
