#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"

namespace lumipack {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLineTest, RecognisesEachModeAndRefusesMuddledArguments) {
  const struct {
    std::vector<std::string> args;
    Mode mode;
    const char* error;
  } cases[] = {
      {{"--engine", "e.scr", "--out", "o.scr", "dir"}, Mode::kBuild, ""},
      {{"dir", "--out", "o.scr", "--engine", "e.scr"}, Mode::kBuild, ""},
      {{"--list", "o.scr"}, Mode::kList, ""},
      {{"--help"}, Mode::kHelp, ""},
      {{"--engine", "e", "-h"}, Mode::kHelp, ""},
      {{}, Mode::kUsageError, "nothing to do"},
      {{"--out", "o", "dir"}, Mode::kUsageError, "--engine is missing"},
      {{"--engine", "e", "dir"}, Mode::kUsageError, "--out is missing"},
      {{"--engine", "e", "--out", "o"}, Mode::kUsageError, "the package folder is missing"},
      {{"--engine", "e", "--out", "o", "a", "b"},
       Mode::kUsageError,
       "only one package folder can be given"},
      {{"--engine"}, Mode::kUsageError, "--engine needs a value"},
      {{"--engine", "", "--out", "o", "dir"}, Mode::kUsageError, "--engine needs a value"},
      {{"--engine", "a", "--engine", "b"}, Mode::kUsageError, "--engine given twice"},
      {{"--list", "o.scr", "dir"}, Mode::kUsageError, "--list takes only the saver to list"},
      {{"--list", "o.scr", "--engine", "e"},
       Mode::kUsageError,
       "--list takes only the saver to list"},
      {{"--make", "dir"}, Mode::kUsageError, "unknown option --make"},
      {{"--engine", "e", "--out", "o", "--photos", "pics", "--title", "My Pictures"},
       Mode::kBuildPhotos,
       ""},
      {{"--photos", "pics", "--engine", "e", "--out", "o"}, Mode::kBuildPhotos, ""},
      {{"--photos", "pics", "--out", "o"}, Mode::kUsageError, "--engine is missing"},
      {{"--engine", "e", "--out", "o", "--photos", "pics", "dir"},
       Mode::kUsageError,
       "--photos takes the place of the package folder"},
      {{"--engine", "e", "--out", "o", "--title", "T", "dir"},
       Mode::kUsageError,
       "--title goes with --photos"},
      {{"--list", "o.scr", "--photos", "pics"},
       Mode::kUsageError,
       "--list takes only the saver to list"},
  };
  for (const auto& c : cases) {
    const CommandLine command = ParseCommandLine(c.args);
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(command.mode, c.mode);
    EXPECT_EQ(command.error, c.error);
  }
  const CommandLine photos =
      ParseCommandLine({"--engine", "e", "--out", "o", "--photos", "pics", "--title", "Coast"});
  EXPECT_EQ(photos.folder, "pics");
  EXPECT_EQ(photos.title, "Coast");
}

}  // namespace
}  // namespace lumipack
