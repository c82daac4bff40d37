#pragma once
// The player's ways out to the system, each behind a small interface so that
// tests can see which commands would have played, fail any of them, and fix
// the random draws and the time they are seeded with.
#include <windows.h>
// after windows.h, whose types it uses
#include <mmsystem.h>

#include <ctime>
#include <string>

namespace lumi {

// Mirrors mciSendCommandA: 0 on success, an MCI error code otherwise. The
// parameter block is the one the message takes (MCI_OPEN_PARMSA, ...).
class MciCommands {
 public:
  virtual ~MciCommands() = default;
  virtual MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                               DWORD_PTR params) = 0;
};

// The runtime's generator, as the player uses it: seeded, then drawn from.
class PlayerRandom {
 public:
  virtual ~PlayerRandom() = default;
  virtual void Seed(unsigned seed) = 0;
  virtual int Next() = 0;  // non-negative, as rand() gives them
};

// The current time in seconds, which seeds the generator.
class PlayerClock {
 public:
  virtual ~PlayerClock() = default;
  virtual std::time_t Now() = 0;
};

// Tells the user something went wrong in the program itself.
class PlayerReport {
 public:
  virtual ~PlayerReport() = default;
  virtual void Show(const std::string& text) = 0;
};

// The system's own: winmm, the C runtime's rand(), time() and a message box.
MciCommands& SystemMci();
PlayerRandom& RuntimeRandom();
PlayerClock& SystemClock();
PlayerReport& MessageBoxReport();

}  // namespace lumi
