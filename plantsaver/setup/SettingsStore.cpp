#include "plantsaver/setup/SettingsStore.h"

#include <cstdint>
#include <string>

#include "common/text/Numbers.h"

namespace gulpleaf {
namespace {
constexpr char kRootKey[] = "software\\Zeb_brio";
}

std::optional<int> ParseSettingNumber(const std::string& text) {
  // The form writes these values itself, so anything but a plain 32-bit
  // number was put there by someone else and means the default.
  constexpr zeb::DecimalRules kStoredNumber{.skipLeadingBlanks = false,
                                            .stopAtNonDigit = false,
                                            .lowest = INT32_MIN,
                                            .highest = INT32_MAX};
  const std::optional<std::int64_t> value = zeb::ParseDecimal(text, kStoredNumber);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
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
