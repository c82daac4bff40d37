#include <gtest/gtest.h>

#include "plantsaver/startup/CommandLine.h"

namespace gulpleaf {
namespace {

struct DispatchCase {
  const char* commandLine;
  char letter;
  std::uint32_t window;
  bool remembersForeground;
};

// Every form of the screen-saver command line the desktop or a user may use.
const DispatchCase kDispatch[] = {
    {"saver.scr", 'C', 0, true},                  // no argument: configuration
    {"saver.scr /S", 'S', 0, true},               //
    {"saver.scr -s", 'S', 0, true},               //
    {"saver.scr /saver extra", 'S', 0, true},     // the rest of the mode is ignored
    {"saver.scr s", 'C', 0, true},                // lone letter: nothing left after the drop
    {"saver.scr /c", 'C', 0, true},               //
    {"saver.scr /c:4660", 'C', 0, true},          // the handle after the colon is ignored
    {"saver.scr /p 1234", 'P', 1234, false},      //
    {"saver.scr /P", 'P', 0, false},              // preview without a window
    {"saver.scr /p window", 'P', 0, false},       // not a number
    {"saver.scr /p 12ab", 'P', 0, false},         //
    {"saver.scr /a 1234", 'A', 1234, false},      //
    {"saver.scr /l 77", 'L', 77, false},          // reads the window but acts as configuration
    {"saver.scr /x 99", 'X', 0, false},           // other letters: configuration, no foreground
    {"\"C:\\My Savers\\gulp leaf.scr\" /p 66", 'P', 66, false},  // quoted program path
    {"saver.scr \"/p\" \"4294967295\"", 'P', 4294967295u, false},
    {"saver.scr /p 4294967296", 'P', 0, false},   // beyond 32 bits
    {"saver.scr /p -5", 'P', 0xFFFFFFFBu, false},
};

TEST(CommandLine, DispatchesEveryScreenSaverForm) {
  for (const DispatchCase& c : kDispatch) {
    SCOPED_TRACE(c.commandLine);
    StartupValues v = ParseArguments(SplitArguments(c.commandLine));
    EXPECT_EQ(v.Letter(), c.letter);
    EXPECT_EQ(v.argumentWindow, c.window);
    EXPECT_EQ(v.rememberForeground, c.remembersForeground);
  }
}

TEST(CommandLine, ModeKeepsTheRestUpperCased) {
  EXPECT_EQ(ParseArguments({"/c:4660"}).mode, "C:4660");
  EXPECT_EQ(ParseArguments({"-sX"}).mode, "SX");
  EXPECT_EQ(ParseArguments({}).mode, "C");
}

TEST(CommandLine, SplitsQuotedAndBlankSeparatedArguments) {
  EXPECT_EQ(SplitArguments("prog   /p\t 5 "), (std::vector<std::string>{"/p", "5"}));
  EXPECT_EQ(SplitArguments("\"a b\" \"x y\"z"), (std::vector<std::string>{"x yz"}));
  EXPECT_TRUE(SplitArguments("").empty());
}

TEST(CommandLine, SetupWizardByExtensionInAnyCase) {
  struct Case {
    const char* path;
    bool setup;
  } cases[] = {
      {"C:\\WINDOWS\\gulpleafSaver.scr", false}, {"C:\\tmp\\SETUP.EXE", true},
      {"C:\\tmp\\setup.exe", true},              {"C:\\tmp\\Setup.eXe", true},
      {"C:\\a.exe\\saver.scr", false},           {"C:\\dir.v2\\saver", false},
      {"saver.exe.scr", false},                  {"gulpleaf", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSetupProgramName(c.path), c.setup) << c.path;
  }
}

}  // namespace
}  // namespace gulpleaf
