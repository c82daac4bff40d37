#include "plantsaver/startup/CommandLine.h"

#include <cctype>
#include <cstdint>

namespace gulpleaf {
namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one argument starting at i: quoted stretches keep their blanks.
std::string NextArgument(const std::string& line, std::size_t& i) {
  std::string arg;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (IsBlank(c) && !quoted) {
      break;
    } else {
      arg += c;
    }
  }
  return arg;
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& commandLine) {
  std::vector<std::string> args;
  std::size_t i = 0;
  bool first = true;
  while (true) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::string arg = NextArgument(commandLine, i);
    if (first) {
      first = false;  // the program's own name
      continue;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

std::uint32_t DecimalOrZero(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size()) return 0;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return 0;
  }
  if (negative) {
    if (value > 0x80000000ull) return 0;
    return static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(value));
  }
  return static_cast<std::uint32_t>(value);
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
