#include "slideshow/engine/AppProfile.h"

#include <cstdlib>
#include <cstring>

namespace lumi {
namespace {

class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

int CAppProfile::GetInt(const std::string& section, const std::string& name, int fallback) const {
  OpenKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, key.Out()) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  DWORD type = 0;
  char data[64] = {};
  DWORD size = sizeof data - 1;  // room for a terminator the value may lack
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                       &size) != ERROR_SUCCESS) {
    return fallback;
  }
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD value = 0;
    std::memcpy(&value, data, sizeof value);
    return static_cast<int>(value);
  }
  if (type == REG_SZ) return std::atoi(data);
  return fallback;
}

bool CAppProfile::WriteInt(const std::string& section, const std::string& name, int value) const {
  OpenKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr, 0, KEY_WRITE,
                      nullptr, key.Out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD stored = static_cast<DWORD>(value);
  return RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&stored), sizeof stored) == ERROR_SUCCESS;
}

}  // namespace lumi
