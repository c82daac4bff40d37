#include <gtest/gtest.h>

#include <string>

#include "slideshow/engine/settings/TextReplace.h"

namespace lumi {
namespace {

TEST(TextReplaceTest, ReplacesFromTheLeftWithoutOverlapAndCounts) {
  const struct {
    const char* text;
    const char* search;
    const char* replacement;
    const char* result;
    int count;
  } cases[] = {
      {"one|two", "|", "\r\n", "one\r\ntwo", 1},
      {"|a||b|", "|", "\r\n", "\r\na\r\n\r\nb\r\n", 4},
      {"no bar here", "|", "\r\n", "no bar here", 0},
      {"", "|", "\r\n", "", 0},
      {"aaaa", "aa", "b", "bb", 2},
      {"aaa", "aa", "b", "ba", 1},            // the second "aa" would overlap the first
      {"abab", "ab", "abab", "abababab", 2},  // a replacement is not searched again
      {"a-b-c", "-", "", "abc", 2},
      {"same", "same", "same", "same", 0},
      {"x|y", "|", "|", "x|y", 0},
      {"text", "", "anything", "text", 0},  // an empty search matches nowhere
      {"", "", "", "", 0},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(ReplaceText(text, c.search, c.replacement), c.count)
        << '"' << c.text << "\" '" << c.search << "'";
    EXPECT_EQ(text, c.result) << '"' << c.text << "\" '" << c.search << "'";
  }
}

}  // namespace
}  // namespace lumi
