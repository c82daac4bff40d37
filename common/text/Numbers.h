#pragma once
// Decimal numbers in text that the desktop, a user or a stored setting hands
// us. The programs differ in how forgiving they are with such text, so each
// call names its rules instead of one parser carrying one program's habits.
// Portable: no Windows header.
#include <cstdint>
#include <optional>
#include <string_view>

namespace zeb {

struct DecimalRules {
  // Spaces and tabs before the sign are passed over, as the runtime's integer
  // reading does; otherwise a leading blank spoils the number.
  bool skipLeadingBlanks = false;
  // The number ends at the first character that is not a digit; otherwise any
  // such character after the sign spoils it.
  bool stopAtNonDigit = false;
  // The values accepted. A number outside them is refused however it is
  // written; it never wraps. Both bounds lie within (-2^63, 2^63).
  std::int64_t lowest = INT32_MIN;
  std::int64_t highest = INT32_MAX;
};

// The number the text holds under the rules: an optional '+' or '-', then at
// least one decimal digit. Nothing when the text holds no such number.
std::optional<std::int64_t> ParseDecimal(std::string_view text, const DecimalRules& rules);

}  // namespace zeb
