#pragma once
// The plant saver's settings: text values under the current user's
// "software\Zeb_brio" key. A missing value or one that is not a number reads
// as its default.
#include <windows.h>

#include <optional>
#include <string>

namespace gulpleaf {

// The number a stored text holds: optional sign and decimal digits, nothing
// else, within 32 bits.
std::optional<int> ParseSettingNumber(const std::string& text);

class SettingsStore {
 public:
  // Opens the store, creating "software\Zeb_brio" (but no subkey).
  SettingsStore();
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  int ReadInteger(const char* subkey, const char* name, int defaultValue) const;
  bool ReadBool(const char* subkey, const char* name, bool defaultValue) const;
  // Writing creates the subkey when needed; false when the registry refused.
  bool WriteInteger(const char* subkey, const char* name, int value);
  bool WriteBool(const char* subkey, const char* name, bool value);

 private:
  HKEY root_ = nullptr;
};

// The five settings with their defaults.
struct PlantSettings {
  static constexpr const char* kSubkey = "sproutSaver";
  int speed = 50;     // frame period in milliseconds
  bool sound = true;  // effect sounds and the click sound
  bool sSound = true; // start track
  int vol = 0;        // wave-out level; 0: the device's current level
  bool showZeb = false;

  static PlantSettings Load();
  // Writes the four the configuration form edits ("show_Zeb" is never written).
  bool Save() const;
};

}  // namespace gulpleaf
