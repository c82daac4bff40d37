#pragma once
// The work behind the wizard's SETUP button: copy the program into place as
// the saver file, add the Start-menu group with its two shortcuts, and make
// the saver the active one. Messages go through the system's message box;
// progress is reported in tenths of the bar.
#include <windows.h>

#include <functional>
#include <string>

#include "plantsaver/setup/SetupSystem.h"

namespace gulpleaf {

constexpr char kSaverFileName[] = "gulpleafSaver.scr";
constexpr char kGroupFolder[] = "Zeb_savers";
constexpr char kSaverFolder[] = "Gulpleaf Saver";

struct InstallChoice {
  std::string destination;  // ends in a backslash
  bool startMenu = true;
  bool setActive = true;
};

enum class InstallOutcome { Installed, CopyFailed };

// A directory as the wizard keeps it: with exactly the backslash it needs
// before a file name is appended.
std::string WithTrailingBackslash(std::string directory);

// The command that opens the system's screen-saver settings on the saver.
constexpr char kDisplaySettingsProgram[] = "rundll32.exe";
std::string DisplaySettingsArguments(const std::string& saverFile);

class SaverInstall {
 public:
  using Advance = std::function<void(int tenths)>;
  SaverInstall(SetupSystem& system, HWND owner, Advance advance)
      : system_(system), owner_(owner), advance_(std::move(advance)) {}

  InstallOutcome Run(const InstallChoice& choice);

 private:
  void AddStartMenuEntries(const std::string& destination, const std::string& saverFile);
  void MakeActive(const std::string& saverFile);
  void Tell(const std::string& text, const std::string& caption);

  SetupSystem& system_;
  HWND owner_;
  Advance advance_;
};

}  // namespace gulpleaf
