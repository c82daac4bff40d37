#pragma once
// Typed access to one ini file through the platform's private-profile
// functions. Nothing is cached: every read asks the file and every write goes
// to it at once, so a value changed anywhere in the program is seen by the
// next read. A bare file name means the Windows folder (the platform's rule).
// An accessor without a file answers every read with its default and ignores
// writes, so a package without its settings file behaves as an empty one.
#include <string>

namespace lumi {

class CIniFile {
 public:
  // Longest text a read returns; the value is cut to this many characters.
  static constexpr int kMaxText = 511;

  CIniFile() = default;
  explicit CIniFile(std::string path);

  void SetFile(const std::string& path);
  const std::string& GetFile() const { return path_; }
  bool IsBound() const { return !path_.empty(); }

  std::string GetString(const char* section, const char* key, const char* defaultValue = "") const;
  // Text that is not a number reads as 0, as the platform parses it.
  int GetInt(const char* section, const char* key, int defaultValue) const;
  int GetIntClamped(const char* section, const char* key, int defaultValue, int low,
                    int high) const;
  // Stored as 0 or 1; any value of 1 or more reads as on, 0 or less as off.
  bool GetFlag(const char* section, const char* key, bool defaultValue) const;

  // Each returns the platform's result; callers of the settings store ignore it.
  bool PutString(const char* section, const char* key, const std::string& value) const;
  bool PutInt(const char* section, const char* key, int value) const;
  bool PutIntClamped(const char* section, const char* key, int value, int low, int high) const;
  bool PutFlag(const char* section, const char* key, bool flag) const;

 private:
  std::string path_;
};

}  // namespace lumi
