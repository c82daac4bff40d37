#pragma once
// The system's screen-saver password services, loaded by name at run time:
// absent libraries or functions mean no password is changed or asked for.
#include <windows.h>

namespace gulpleaf {

// Opens the system dialog that changes the screen-saver password.
void ChangeSaverPassword(HWND parent);

// True when the user has asked for a password on the screen saver
// ("Control Panel\desktop", either value a non-zero REG_DWORD).
bool SaverPasswordRequested();

// Asks the system to verify the password; true when the saver may close
// (also when the verifier is not there).
bool VerifySaverPassword(HWND saverWindow);

}  // namespace gulpleaf
