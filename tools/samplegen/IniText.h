#pragma once

#include <string>

namespace samplegen {

// Builds an ini file the platform's private-profile functions read: CRLF line
// ends, a blank line between sections, values written as they are.
class IniText {
 public:
  void Section(const std::string& name);
  void Key(const std::string& key, const std::string& value);
  void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace samplegen
