#include "plantsaver/setup/SaverInstall.h"

namespace gulpleaf {

std::string WithTrailingBackslash(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

std::string DisplaySettingsArguments(const std::string& saverFile) {
  return "desk.cpl,InstallScreenSaver " + saverFile;
}

InstallOutcome SaverInstall::Run(const InstallChoice& choice) {
  const std::string saverFile = choice.destination + kSaverFileName;
  bool copy = true;
  if (system_.FileExists(saverFile)) {
    copy =
        system_.Message(owner_, std::string("file '") + kSaverFileName + "' exists !\noverwrite ?",
                        "question", MB_YESNO | MB_ICONQUESTION) == IDYES;
  }
  advance_(1);
  // Declining to overwrite keeps the installed file; the remaining steps then
  // point the shortcuts and the active saver at that one.
  if (copy && !system_.CopyOver(system_.ProgramFile(), saverFile)) {
    system_.Message(owner_, "Setup Failed\n\nCan not write saver file !", "ERROR",
                    MB_OK | MB_ICONEXCLAMATION);
    return InstallOutcome::CopyFailed;
  }
  advance_(1);
  if (choice.startMenu) AddStartMenuEntries(choice.destination, saverFile);
  if (choice.setActive) MakeActive(saverFile);
  return InstallOutcome::Installed;
}

void SaverInstall::AddStartMenuEntries(const std::string& destination,
                                       const std::string& saverFile) {
  const std::string programs = system_.ProgramsFolder();
  // Without the Programs folder the group would land in the root of the
  // current drive: treat it like a folder that cannot be made.
  if (programs.empty() || !system_.EnsureFolder(programs + "\\" + kGroupFolder)) {
    Tell("error creating start menu folder", "error");
    return;
  }
  advance_(1);
  const std::string folder = programs + "\\" + kGroupFolder + "\\" + kSaverFolder;
  if (!system_.EnsureFolder(folder)) {
    Tell("error creating start menu folder", "error");
    return;
  }
  advance_(1);
  system_.OpenFolder(folder);
  advance_(1);

  ShortcutLink configure;
  configure.linkPath = folder + "\\configure " + kSaverFolder + ".lnk";
  configure.target = kDisplaySettingsProgram;
  configure.arguments = DisplaySettingsArguments(saverFile);
  configure.iconFile = saverFile;
  // The target is a bare program name, so its directory part is empty.
  configure.workingDirectory = "";
  if (!system_.CreateShortcut(configure)) Tell("Error creating link !", "error");
  advance_(1);

  ShortcutLink test;
  test.linkPath = folder + "\\test " + kSaverFolder + ".lnk";
  test.target = saverFile;
  test.workingDirectory = destination;
  if (!system_.CreateShortcut(test)) Tell("Error creating link !", "error");
  advance_(2);
}

void SaverInstall::MakeActive(const std::string& saverFile) {
  // system.ini is read by 16-bit code that only understands 8.3 names. When
  // no short form can be had, the full path still names the right file,
  // where an empty value would switch the saver off.
  std::string path = system_.ShortPath(saverFile);
  if (path.empty()) path = saverFile;
  system_.WriteSystemIni("boot", "SCRNSAVE.EXE", path);
  system_.SwitchScreenSaverOn();
}

void SaverInstall::Tell(const std::string& text, const std::string& caption) {
  system_.Message(owner_, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace gulpleaf
