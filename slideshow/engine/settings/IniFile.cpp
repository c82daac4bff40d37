#include "slideshow/engine/settings/IniFile.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace lumi {

CIniFile::CIniFile(std::string path) : path_(std::move(path)) {}

void CIniFile::SetFile(const std::string& path) { path_ = path; }

std::string CIniFile::GetString(const char* section, const char* key,
                                const char* defaultValue) const {
  if (!IsBound()) return defaultValue;
  char buffer[kMaxText + 1] = {};
  DWORD length =
      GetPrivateProfileStringA(section, key, defaultValue, buffer, sizeof buffer, path_.c_str());
  return std::string(buffer, std::min<DWORD>(length, kMaxText));
}

int CIniFile::GetInt(const char* section, const char* key, int defaultValue) const {
  if (!IsBound()) return defaultValue;
  // The platform returns the signed value in an unsigned type ("-1" gives
  // 0xFFFFFFFF), so the cast gives back what the file says.
  return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
}

int CIniFile::GetIntClamped(const char* section, const char* key, int defaultValue, int low,
                            int high) const {
  return std::clamp(GetInt(section, key, defaultValue), low, high);
}

bool CIniFile::GetFlag(const char* section, const char* key, bool defaultValue) const {
  return GetIntClamped(section, key, defaultValue ? 1 : 0, 0, 1) == 1;
}

bool CIniFile::PutString(const char* section, const char* key, const std::string& value) const {
  if (!IsBound()) return false;
  return WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str()) != FALSE;
}

bool CIniFile::PutInt(const char* section, const char* key, int value) const {
  return PutString(section, key, std::to_string(value));
}

bool CIniFile::PutIntClamped(const char* section, const char* key, int value, int low,
                             int high) const {
  return PutInt(section, key, std::clamp(value, low, high));
}

bool CIniFile::PutFlag(const char* section, const char* key, bool flag) const {
  return PutInt(section, key, flag ? 1 : 0);
}

}  // namespace lumi
