#include "plantsaver/startup/PasswordServices.h"

#include <string>

namespace gulpleaf {
namespace {

using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
using VerifyScreenSavePwdFn = BOOL(WINAPI*)(HWND);

std::string SystemLibraryPath(const char* name) {
  char dir[MAX_PATH] = {};
  UINT n = GetSystemDirectoryA(dir, MAX_PATH);
  std::string path(dir, n < MAX_PATH ? n : 0);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + name;
}

// A REG_DWORD value, or 0 when missing or stored as another type (Windows NT
// keeps "ScreenSaverIsSecure" as text, which this saver does not act on).
DWORD ReadDword(HKEY key, const char* name) {
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return 0;
  }
  return value;
}

}  // namespace

void ChangeSaverPassword(HWND parent) {
  HMODULE mpr = LoadLibraryA(SystemLibraryPath("MPR.DLL").c_str());
  if (!mpr) return;
  auto change = reinterpret_cast<PwdChangePasswordFn>(
      reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")));
  if (change) change("SCRSAVE", parent, 0, nullptr);
  FreeLibrary(mpr);
}

bool SaverPasswordRequested() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\desktop", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool requested = ReadDword(key, "ScreenSaveUsePassword") != 0;
  requested = ReadDword(key, "ScreenSaverIsSecure") != 0 || requested;
  RegCloseKey(key);
  return requested;
}

bool VerifySaverPassword(HWND saverWindow) {
  HMODULE cpl = LoadLibraryA("PASSWORD.CPL");
  if (!cpl) return true;
  bool allowed = true;
  auto verify = reinterpret_cast<VerifyScreenSavePwdFn>(
      reinterpret_cast<void*>(GetProcAddress(cpl, "VerifyScreenSavePwd")));
  if (verify) allowed = verify(saverWindow) != FALSE;
  FreeLibrary(cpl);
  return allowed;
}

}  // namespace gulpleaf
