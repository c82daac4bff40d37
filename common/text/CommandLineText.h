#pragma once
// A program's command line as Windows hands it over: one text, the program's
// own name first. Blanks (spaces and tabs) separate the parts and quotes keep
// blanks inside one. Where the programs read the program name differently,
// the caller says which way. Portable: no Windows header.
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

enum class ProgramNameQuotes {
  // As the runtime's argument parser reads every argument: a quote anywhere
  // opens or closes a quoted stretch, and the name ends at the first blank
  // outside one ("a"b" c" is one name).
  kAnywhere,
  // As the shell writes a started program's name: a name that begins with a
  // quote runs to the next quote (to the end when there is none), any other
  // name to the first blank.
  kAroundWholeName,
};

// The text after the program's name and the blanks that follow it.
std::string_view ArgumentText(std::string_view commandLine, ProgramNameQuotes quotes);

// The arguments of a text, as the runtime's argument parser splits them:
// blanks outside quotes separate them, and the quotes themselves are dropped.
std::vector<std::string> SplitArguments(std::string_view text);

}  // namespace zeb
