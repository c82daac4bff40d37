#include <gtest/gtest.h>

#include "common/text/IniWriter.h"

namespace zeb {
namespace {

TEST(IniWriter, WritesSectionsAndKeysInOrderWithCrlf) {
  IniWriter ini;
  ini.Section("General");
  ini.Key("Title", "Coast");
  ini.Key("Count", 12);
  ini.Key("Empty", "");
  ini.Section("Picture1");
  ini.Key("Delay", -1);
  EXPECT_EQ(ini.Text(),
            "[General]\r\nTitle=Coast\r\nCount=12\r\nEmpty=\r\n"
            "\r\n[Picture1]\r\nDelay=-1\r\n");
}

// Values from outside (a photo's title, a file name) must not break the file
// they are written into; the tools' own values are written as they are.
TEST(IniWriter, OneLineValuesCannotStartAKeyOrSection) {
  const char* hostile = "  My\r\n[Pictures]\tx  ";
  IniWriter given;
  given.Key("Title", hostile);
  EXPECT_EQ(given.Text(), std::string("Title=") + hostile + "\r\n");

  IniWriter oneLine(IniWriter::Values::kOneLine);
  oneLine.Key("Title", hostile);
  oneLine.Key("Link", "\r\n");
  oneLine.Key("Count", 3);
  EXPECT_EQ(oneLine.Text(), "Title=My  [Pictures] x\r\nLink=\r\nCount=3\r\n");

  EXPECT_EQ(OneLineIniValue("a\x7F"
                            "b"),
            "a b");
  EXPECT_EQ(OneLineIniValue("\xE9t\xE9"), "\xE9t\xE9");  // code-page letters stay
}

}  // namespace
}  // namespace zeb
