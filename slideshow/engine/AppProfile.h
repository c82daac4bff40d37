#pragma once
// CAppProfile: the application's registry profile, a key under
// HKEY_CURRENT_USER named by the registry key and the saver's title, with one
// subkey per section. Unlike the ini files it is not shared between savers
// built on this engine, and clean settings for a preview leave it alone.
#include <windows.h>

#include <string>

namespace lumi {

class CAppProfile {
 public:
  // keyPath is relative to HKEY_CURRENT_USER ("Software\<registry key>\<title>").
  explicit CAppProfile(std::string keyPath) : keyPath_(std::move(keyPath)) {}

  const std::string& KeyPath() const { return keyPath_; }
  // The value as stored (a DWORD, or a decimal text), else fallback.
  int GetInt(const std::string& section, const std::string& name, int fallback) const;
  // Stores a DWORD, creating the keys on the way; false when that failed.
  bool WriteInt(const std::string& section, const std::string& name, int value) const;

 private:
  std::string SectionKey(const std::string& section) const { return keyPath_ + "\\" + section; }
  std::string keyPath_;
};

}  // namespace lumi
