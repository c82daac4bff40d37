#include "plantsaver/setup/SettingsStore.h"

#include <cstdint>
#include <string>

namespace gulpleaf {
namespace {
constexpr char kRootKey[] = "software\\Zeb_brio";
}

std::optional<int> ParseSettingNumber(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 0x80000000ll) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 0x7FFFFFFFll) return std::nullopt;
  return static_cast<int>(value);
}

SettingsStore::SettingsStore() {
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kRootKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                      &root_, nullptr) != ERROR_SUCCESS) {
    root_ = nullptr;
  }
}

SettingsStore::~SettingsStore() {
  if (root_) RegCloseKey(root_);
}

int SettingsStore::ReadInteger(const char* subkey, const char* name, int defaultValue) const {
  HKEY key;
  if (!root_ || RegOpenKeyExA(root_, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return defaultValue;
  }
  char buffer[64] = {};
  DWORD type = 0, size = sizeof buffer - 1;
  LONG r = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return defaultValue;
  // A number stored as a DWORD by hand means what it says.
  if (type == REG_DWORD && size == sizeof(DWORD)) return *reinterpret_cast<const int*>(buffer);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return defaultValue;
  std::string text(buffer, size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return ParseSettingNumber(text).value_or(defaultValue);
}

bool SettingsStore::ReadBool(const char* subkey, const char* name, bool defaultValue) const {
  return ReadInteger(subkey, name, defaultValue ? 1 : 0) != 0;
}

bool SettingsStore::WriteInteger(const char* subkey, const char* name, int value) {
  HKEY key;
  if (!root_ || RegCreateKeyExA(root_, subkey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
                    ERROR_SUCCESS) {
    return false;
  }
  std::string text = std::to_string(value);
  LONG r = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

bool SettingsStore::WriteBool(const char* subkey, const char* name, bool value) {
  return WriteInteger(subkey, name, value ? 1 : 0);
}

PlantSettings PlantSettings::Load() {
  SettingsStore store;
  PlantSettings s;
  s.speed = store.ReadInteger(kSubkey, "speed", s.speed);
  s.sound = store.ReadBool(kSubkey, "sound", s.sound);
  s.sSound = store.ReadBool(kSubkey, "sSound", s.sSound);
  s.vol = store.ReadInteger(kSubkey, "vol", s.vol);
  s.showZeb = store.ReadBool(kSubkey, "show_Zeb", s.showZeb);
  return s;
}

bool PlantSettings::Save() const {
  SettingsStore store;
  bool ok = store.WriteInteger(kSubkey, "speed", speed);
  ok = store.WriteBool(kSubkey, "sound", sound) && ok;
  ok = store.WriteBool(kSubkey, "sSound", sSound) && ok;
  ok = store.WriteInteger(kSubkey, "vol", vol) && ok;
  return ok;
}

}  // namespace gulpleaf
