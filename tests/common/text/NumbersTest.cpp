#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "common/text/Numbers.h"

namespace zeb {
namespace {

// The three ways the programs read numbers, each as strict or forgiving as
// the place the text comes from.
constexpr DecimalRules kWholeSetting{false, false, INT32_MIN, INT32_MAX};
constexpr DecimalRules kWholeWindowArgument{false, false, INT32_MIN, UINT32_MAX};
constexpr DecimalRules kLeadingHandle{true, true, -INT32_MAX, INT32_MAX};

struct Case {
  const char* text;
  std::optional<std::int64_t> setting, windowArgument, leadingHandle;
};

constexpr std::nullopt_t kNone = std::nullopt;

const Case kCases[] = {
    {"0", 0, 0, 0},
    {"50", 50, 50, 50},
    {"-3", -3, -3, -3},
    {"+7", 7, 7, 7},
    {"-0", 0, 0, 0},
    {"007", 7, 7, 7},
    // Nothing to read.
    {"", kNone, kNone, kNone},
    {"-", kNone, kNone, kNone},
    {"+", kNone, kNone, kNone},
    {"  ", kNone, kNone, kNone},
    {"abc", kNone, kNone, kNone},
    {"eview", kNone, kNone, kNone},
    {"--5", kNone, kNone, kNone},
    {"+-5", kNone, kNone, kNone},
    // Blanks before the number: only the forgiving reading passes them over,
    // and never between the sign and the digits.
    {" 5", kNone, kNone, 5},
    {"\t 1234", kNone, kNone, 1234},
    {" -12", kNone, kNone, -12},
    {"- 5", kNone, kNone, kNone},
    {"\n5", kNone, kNone, kNone},
    // Text after the digits spoils a whole number and ends a leading one.
    {"12a", kNone, kNone, 12},
    {"234 /s", kNone, kNone, 234},
    {"5 ", kNone, kNone, 5},
    {"0x10", kNone, kNone, 0},
    {"1.5", kNone, kNone, 1},
    // The edges of 32 bits.
    {"2147483647", 2147483647, 2147483647, 2147483647},
    {"2147483648", kNone, 2147483648, kNone},
    {"-2147483647", -2147483647, -2147483647, -2147483647},
    {"-2147483648", INT32_MIN, INT32_MIN, kNone},
    {"-2147483649", kNone, kNone, kNone},
    {"4294967295", kNone, 4294967295, kNone},
    {"4294967296", kNone, kNone, kNone},
    // Far too many digits are refused, not wrapped, wherever they stop.
    {"99999999999999999999999999", kNone, kNone, kNone},
    {"-99999999999999999999999999", kNone, kNone, kNone},
    {"99999999999x", kNone, kNone, kNone},
    {"00000000000000000000000042", 42, 42, 42},
};

TEST(ParseDecimal, EachRuleSetReadsTheSameTextsItsOwnWay) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
    EXPECT_EQ(ParseDecimal(c.text, kWholeSetting), c.setting);
    EXPECT_EQ(ParseDecimal(c.text, kWholeWindowArgument), c.windowArgument);
    EXPECT_EQ(ParseDecimal(c.text, kLeadingHandle), c.leadingHandle);
  }
}

TEST(ParseDecimal, RangesNeedNotBeThirtyTwoBits) {
  constexpr DecimalRules kPercent{false, false, 0, 100};
  EXPECT_EQ(ParseDecimal("100", kPercent), 100);
  EXPECT_EQ(ParseDecimal("101", kPercent), kNone);
  EXPECT_EQ(ParseDecimal("-1", kPercent), kNone);
  EXPECT_EQ(ParseDecimal("-0", kPercent), 0);

  constexpr DecimalRules kWide{false, false, -INT64_MAX, INT64_MAX};
  EXPECT_EQ(ParseDecimal("9223372036854775807", kWide), INT64_MAX);
  EXPECT_EQ(ParseDecimal("-9223372036854775807", kWide), -INT64_MAX);
  EXPECT_EQ(ParseDecimal("9223372036854775808", kWide), kNone);
  EXPECT_EQ(ParseDecimal("18446744073709551626", kWide), kNone);  // wraps to 10 in 64 bits
}

}  // namespace
}  // namespace zeb
