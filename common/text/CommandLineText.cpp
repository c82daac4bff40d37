#include "common/text/CommandLineText.h"

namespace zeb {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Reads one argument starting at `at`, which is left on the blank that ends it.
std::string NextArgument(std::string_view text, std::size_t& at) {
  std::string arg;
  bool quoted = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
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

std::string_view ArgumentText(std::string_view commandLine, ProgramNameQuotes quotes) {
  std::size_t at = SkipBlanks(commandLine, 0);
  if (quotes == ProgramNameQuotes::kAnywhere) {
    NextArgument(commandLine, at);
  } else if (at < commandLine.size() && commandLine[at] == '"') {
    const std::size_t close = commandLine.find('"', at + 1);
    at = close == std::string_view::npos ? commandLine.size() : close + 1;
  } else {
    while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
  }
  return commandLine.substr(SkipBlanks(commandLine, at));
}

std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> args;
  for (std::size_t at = SkipBlanks(text, 0); at < text.size(); at = SkipBlanks(text, at)) {
    args.push_back(NextArgument(text, at));
  }
  return args;
}

}  // namespace zeb
