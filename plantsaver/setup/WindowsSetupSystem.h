#pragma once
// The setup wizard's calls on the real system.
#include "plantsaver/setup/SetupSystem.h"

namespace gulpleaf {

class WindowsSetupSystem final : public SetupSystem {
 public:
  std::string WindowsDirectory() override;
  std::string ProgramFile() override;
  bool FileExists(const std::string& path) override;
  bool CopyOver(const std::string& from, const std::string& to) override;
  std::string ProgramsFolder() override;
  bool EnsureFolder(const std::string& path) override;
  void OpenFolder(const std::string& path) override;
  bool CreateShortcut(const ShortcutLink& shortcut) override;
  std::string ShortPath(const std::string& path) override;
  void WriteSystemIni(const std::string& section, const std::string& key,
                      const std::string& value) override;
  void SwitchScreenSaverOn() override;
  void StartProgram(const std::string& program, const std::string& parameters,
                    const std::string& directory) override;
  int Message(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
  std::optional<std::string> PickDirectory(HWND owner, const std::string& initial) override;
};

}  // namespace gulpleaf
