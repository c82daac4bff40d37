#include "slideshow/engine/EngineCommandLine.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "common/text/CommandLineText.h"
#include "common/text/Numbers.h"

namespace lumi {
namespace {

bool ContainsAny(const std::string& text, std::initializer_list<const char*> forms) {
  for (const char* f : forms) {
    if (text.find(f) != std::string::npos) return true;
  }
  return false;
}

// The handle is read the way the runtime's integer reading takes it: leading
// blanks, an optional sign, digits up to the first other character. A value
// beyond 31 bits is no window handle and reads as none.
constexpr zeb::DecimalRules kPreviewHandle{
    .skipLeadingBlanks = true, .stopAtNonDigit = true, .lowest = -INT32_MAX, .highest = INT32_MAX};

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
    s.previewHandle = static_cast<long>(
        zeb::ParseDecimal(std::string_view(arguments).substr(at + 3), kPreviewHandle).value_or(0));
  }
  return s;
}

std::string ArgumentsOf(const std::string& commandLine) {
  return std::string(zeb::ArgumentText(commandLine, zeb::ProgramNameQuotes::kAroundWholeName));
}

}  // namespace lumi
