#include "plantsaver/startup/CommandLine.h"

#include <cctype>
#include <cstdint>

#include "common/text/CommandLineText.h"
#include "common/text/Numbers.h"

namespace gulpleaf {
namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// A window handle is 32 bits: the desktop writes it unsigned, a person may
// write it signed. Anything else in the argument means no window.
constexpr zeb::DecimalRules kWindowArgument{.skipLeadingBlanks = false,
                                            .stopAtNonDigit = false,
                                            .lowest = INT32_MIN,
                                            .highest = UINT32_MAX};

std::uint32_t DecimalOrZero(const std::string& text) {
  return static_cast<std::uint32_t>(zeb::ParseDecimal(text, kWindowArgument).value_or(0));
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& commandLine) {
  return zeb::SplitArguments(zeb::ArgumentText(commandLine, zeb::ProgramNameQuotes::kAnywhere));
}

StartupValues ParseArguments(const std::vector<std::string>& args) {
  StartupValues v;
  if (!args.empty()) {
    // The switch character, whatever it is, goes; a switch alone means C.
    const std::string& first = args[0];
    v.mode = first.size() > 1 ? Upper(first.substr(1)) : std::string(1, 'C');
  }
  char letter = v.Letter();
  if ((letter == 'A' || letter == 'P' || letter == 'L') && args.size() >= 2) {
    v.argumentWindow = DecimalOrZero(args[1]);
  } else if (letter == 'C' || letter == 'S') {
    v.rememberForeground = true;
  }
  return v;
}

bool IsSetupProgramName(const std::string& path) {
  std::size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string::npos || path[dot] != '.') return false;
  return Upper(path.substr(dot)) == ".EXE";
}

}  // namespace gulpleaf
