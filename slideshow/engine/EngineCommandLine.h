#pragma once
// The slideshow engine's command line: switches found anywhere in the text
// after the program name by a case-sensitive substring search. Portable.
#include <string>

namespace lumi {

struct EngineSwitches {
  bool saver = false;          // "/s", "/S", "-s", "-S"
  bool previewWindow = false;  // "/p", "/P", "-p", "-P" (also part of every preview-mode form)
  bool configure = false;      // "/c", "/C", "-c", "-C"
  bool previewMode = false;    // "/preview", "/PREVIEW", "-preview", "-PREVIEW"
  // The host window for the preview: the decimal number starting three
  // characters after the preview-window switch (the switch and one separator
  // skipped); 0 when there is none.
  long previewHandle = 0;
};

EngineSwitches ParseEngineCommandLine(const std::string& arguments);

// The text after the program name of a full command line (quotes respected).
std::string ArgumentsOf(const std::string& commandLine);

}  // namespace lumi
