#include "slideshow/engine/EngineCommandLine.h"

#include <initializer_list>

namespace lumi {
namespace {

bool ContainsAny(const std::string& text, std::initializer_list<const char*> forms) {
  for (const char* f : forms) {
    if (text.find(f) != std::string::npos) return true;
  }
  return false;
}

// A decimal number as the runtime's integer reading takes it: leading blanks,
// an optional sign, digits up to the first other character.
long LeadingDecimal(const std::string& text, std::size_t from) {
  std::size_t i = from;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 0x7FFFFFFFll) return 0;  // not a window handle
  }
  return static_cast<long>(negative ? -value : value);
}

}  // namespace

EngineSwitches ParseEngineCommandLine(const std::string& arguments) {
  EngineSwitches s;
  s.saver = ContainsAny(arguments, {"/s", "/S", "-s", "-S"});
  s.previewWindow = ContainsAny(arguments, {"/p", "/P", "-p", "-P"});
  s.configure = ContainsAny(arguments, {"/c", "/C", "-c", "-C"});
  s.previewMode = ContainsAny(arguments, {"/preview", "/PREVIEW", "-preview", "-PREVIEW"});
  // The handle follows the first preview-window switch in the text, whichever
  // of its forms that is; a line too short to hold one has none.
  std::size_t at = std::string::npos;
  for (const char* f : {"/p", "/P", "-p", "-P"}) {
    std::size_t pos = arguments.find(f);
    if (pos < at) at = pos;
  }
  if (at != std::string::npos && at + 3 <= arguments.size()) {
    s.previewHandle = LeadingDecimal(arguments, at + 3);
  }
  return s;
}

std::string ArgumentsOf(const std::string& commandLine) {
  std::size_t i = 0;
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  if (i < commandLine.size() && commandLine[i] == '"') {
    std::size_t close = commandLine.find('"', i + 1);
    i = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  return commandLine.substr(i);
}

}  // namespace lumi
