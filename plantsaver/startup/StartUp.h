#pragma once
// The plant saver's entry: chooses exactly one mode for this process.
#include <windows.h>

#include <string>

#include "plantsaver/startup/CommandLine.h"

namespace gulpleaf {

// The values start-up leaves behind for the forms.
const StartupValues& ProcessValues();
HWND StartForegroundWindow();

// Runs the mode the program name and command line ask for; returns the exit code (always 0).
int RunPlantSaver(HINSTANCE instance, const std::string& programPath,
                  const std::string& commandLine);

}  // namespace gulpleaf
