#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text/CommandLineText.h"

namespace zeb {
namespace {

using Args = std::vector<std::string>;

// Where the arguments start under each reading of the program's name. The
// two agree on every name the desktop or a shortcut writes and part only on
// quotes inside or right after a name.
TEST(ArgumentText, DropsTheProgramNameEitherWay) {
  struct Case {
    const char* line;
    const char* anywhere;
    const char* aroundWholeName;
  } cases[] = {
      {"saver.scr /s", "/s", "/s"},
      {"  saver.scr \t /p 12 ", "/p 12 ", "/p 12 "},
      {"\"C:\\My Savers\\a b.scr\"  /p 12", "/p 12", "/p 12"},
      {"C:\\saver.scr", "", ""},
      {"", "", ""},
      {"   ", "", ""},
      {"\"\" /c", "/c", "/c"},
      {"\"unclosed /s", "", ""},
      // A quote closed in the middle of a word.
      {"\"a b\"c /s", "/s", "c /s"},
      {"a\"b c\" /s", "/s", "c\" /s"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ArgumentText(c.line, ProgramNameQuotes::kAnywhere), c.anywhere);
    EXPECT_EQ(ArgumentText(c.line, ProgramNameQuotes::kAroundWholeName), c.aroundWholeName);
  }
}

TEST(SplitArguments, BlanksSeparateAndQuotesGroup) {
  struct Case {
    const char* text;
    Args args;
  } cases[] = {
      {"", {}},
      {" \t ", {}},
      {"/p 5", {"/p", "5"}},
      {"/p\t 5 ", {"/p", "5"}},
      {"/c:1234", {"/c:1234"}},
      {"\"/p\" \"4294967295\"", {"/p", "4294967295"}},
      {"\"x y\"z", {"x yz"}},
      {"a\"b c\"d e", {"ab cd", "e"}},
      {"\"\" x", {"", "x"}},
      {"\"open to the end", {"open to the end"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitArguments(c.text), c.args);
  }
}

}  // namespace
}  // namespace zeb
