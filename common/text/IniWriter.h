#pragma once
// Builds the text of an ini file that the platform's private-profile
// functions read: CRLF line ends, which that reader wants, and a blank line
// between sections so that people can read the file too. Keys come out in the
// order they are written. Portable: no Windows header.
#include <string>
#include <string_view>

namespace zeb {

// Text fit for one ini value: control characters (a line break would end the
// value and start a new key) become spaces, and the ends are trimmed the way
// the platform trims them on reading.
std::string OneLineIniValue(std::string_view text);

class IniWriter {
 public:
  enum class Values {
    kAsGiven,  // the caller's values are known to fit on one line
    kOneLine,  // values may come from outside and pass through OneLineIniValue
  };

  explicit IniWriter(Values values = Values::kAsGiven) : values_(values) {}

  void Section(std::string_view name);
  void Key(std::string_view key, std::string_view value);
  void Key(std::string_view key, int value);
  const std::string& Text() const { return text_; }

 private:
  Values values_;
  std::string text_;
};

}  // namespace zeb
