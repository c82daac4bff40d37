#pragma once
// What the setup wizard asks of Windows: files, folders, shortcuts, the
// screen-saver switch, messages and the directory picker. The wizard reaches
// them only through this interface, so that its steps can be driven with a
// stand-in that records what would have happened.
#include <windows.h>

#include <optional>
#include <string>

namespace gulpleaf {

// One Start-menu shortcut. Empty arguments or icon mean "not set"; the icon
// always uses index 0.
struct ShortcutLink {
  std::string linkPath;  // full path of the .lnk file
  std::string target;
  std::string arguments;
  std::string iconFile;
  std::string workingDirectory;
};

class SetupSystem {
 public:
  virtual ~SetupSystem() = default;

  virtual std::string WindowsDirectory() = 0;
  // The running program's own file.
  virtual std::string ProgramFile() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Copies over an existing file; false when the copy failed.
  virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
  // The current user's Start-menu Programs folder; empty when it cannot be had.
  virtual std::string ProgramsFolder() = 0;
  // True when the folder exists afterwards (made here or already there).
  virtual bool EnsureFolder(const std::string& path) = 0;
  // Opens the folder in a shell window, so the user sees the new shortcuts.
  virtual void OpenFolder(const std::string& path) = 0;
  virtual bool CreateShortcut(const ShortcutLink& shortcut) = 0;
  // The 8.3 form of an existing file's path; empty when it cannot be had.
  virtual std::string ShortPath(const std::string& path) = 0;
  virtual void WriteSystemIni(const std::string& section, const std::string& key,
                              const std::string& value) = 0;
  virtual void SwitchScreenSaverOn() = 0;
  // Starts a program with parameters in a working directory.
  virtual void StartProgram(const std::string& program, const std::string& parameters,
                            const std::string& directory) = 0;
  // The application's message box: returns the button pressed (IDYES, IDOK...).
  virtual int Message(HWND owner, const std::string& text, const std::string& caption,
                      UINT flags) = 0;
  // Lets the user pick (or type and create) a directory, starting at
  // `initial`; nothing when the user cancelled.
  virtual std::optional<std::string> PickDirectory(HWND owner, const std::string& initial) = 0;
};

}  // namespace gulpleaf
