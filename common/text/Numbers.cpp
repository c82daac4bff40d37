#include "common/text/Numbers.h"

#include <algorithm>

namespace zeb {
namespace {

std::uint64_t Magnitude(std::int64_t v) {
  return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::int64_t> ParseDecimal(std::string_view text, const DecimalRules& rules) {
  std::size_t i = 0;
  if (rules.skipLeadingBlanks) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // Refused as soon as the digits pass the larger bound, so that no run of
  // digits can overflow on the way to its refusal.
  const std::uint64_t cap = std::max(Magnitude(rules.lowest), Magnitude(rules.highest));
  const std::size_t firstDigit = i;
  std::uint64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    if (digit > cap || value > (cap - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (i == firstDigit) return std::nullopt;
  if (i < text.size() && !rules.stopAtNonDigit) return std::nullopt;

  const std::int64_t number =
      negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  if (number < rules.lowest || number > rules.highest) return std::nullopt;
  return number;
}

}  // namespace zeb
