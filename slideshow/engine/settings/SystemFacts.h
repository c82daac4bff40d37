#pragma once
// What the settings store asks of the running system.
#include <string>

namespace lumi {

// The user settings file every saver on this engine shares; as a bare name
// the private-profile functions keep it in the Windows folder.
inline constexpr char kUserSettingsFileName[] = "KVSE_Screen_Saver.ini";

// True on the Windows NT family (GetVersion below 0x80000000), where the
// system's own screen-saver password applies instead of the engine's.
bool IsNtFamily();

// The user settings file's full path in the Windows folder, for deleting it.
std::string UserSettingsPathInWindowsFolder();

// The running program's path in short (8.3) form; the long path when the
// system gives no short form.
std::string ShortModulePath();

}  // namespace lumi
