#pragma once
// The screen-saver command line of the plant saver, as Windows passes it.
// Portable: no Windows header, so the rules can be checked anywhere.
#include <cstdint>
#include <string>
#include <vector>

namespace gulpleaf {

// The process-wide values start-up leaves behind for the forms.
struct StartupValues {
  // First argument upper-cased with its first character dropped; "C" when
  // there was no argument or nothing was left.
  std::string mode = "C";
  // Decimal value of the second argument for the modes that take a window.
  std::uint32_t argumentWindow = 0;
  // True in the modes beginning with C or S: the foreground window at start
  // is remembered and brought back when the forms close.
  bool rememberForeground = false;

  char Letter() const { return mode.empty() ? 'C' : mode[0]; }
};

// Splits a command line into its arguments, dropping the program name.
// Quotes group characters and are removed, as the runtime's argument parser does.
std::vector<std::string> SplitArguments(const std::string& commandLine);

StartupValues ParseArguments(const std::vector<std::string>& args);

// True when the program's file name has the extension ".EXE" in any letter
// case: the program then runs as its own setup wizard.
bool IsSetupProgramName(const std::string& path);

}  // namespace gulpleaf
