#include <gtest/gtest.h>

#include "slideshow/engine/EngineCommandLine.h"

namespace lumi {
namespace {

struct Case {
  const char* arguments;
  bool saver, previewWindow, configure, previewMode;
  long handle;
};

TEST(EngineCommandLine, FindsEverySwitchAnywhere) {
  const Case cases[] = {
      {"", false, false, false, false, 0},
      {"/s", true, false, false, false, 0},
      {"-S", true, false, false, false, 0},
      {"/c", false, false, true, false, 0},
      {"/c:5678", false, false, true, false, 0},
      {"/p 1234", false, true, false, false, 1234},
      {"/p1234", false, true, false, false, 234},  // the character after "/p" is skipped
      {"/p", false, true, false, false, 0},
      {"/p -5", false, true, false, false, -5},
      {"/preview", false, true, false, true, 0},  // "eview" reads as 0
      {"/preview /c", false, true, true, true, 0},
      {"-PREVIEW", false, true, false, true, 0},
      {"/s /c", true, false, true, false, 0},
      {"x /S y", true, false, false, false, 0},
      {"-p 77", false, true, false, false, 77},
      {"/p 99999999999", false, true, false, false, 0},  // no window has such a handle
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    EngineSwitches s = ParseEngineCommandLine(c.arguments);
    EXPECT_EQ(s.saver, c.saver);
    EXPECT_EQ(s.previewWindow, c.previewWindow);
    EXPECT_EQ(s.configure, c.configure);
    EXPECT_EQ(s.previewMode, c.previewMode);
    EXPECT_EQ(s.previewHandle, c.handle);
  }
}

TEST(EngineCommandLine, DropsTheProgramName) {
  EXPECT_EQ(ArgumentsOf("lumishow.exe /s"), "/s");
  EXPECT_EQ(ArgumentsOf("\"C:\\My Savers\\a b.scr\"  /p 12"), "/p 12");
  EXPECT_EQ(ArgumentsOf("C:\\saver.scr"), "");
  EXPECT_EQ(ArgumentsOf("\"unclosed /s"), "");
}

}  // namespace
}  // namespace lumi
