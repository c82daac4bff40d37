#include "common/text/IniWriter.h"

namespace zeb {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

std::string OneLineIniValue(std::string_view text) {
  std::string value;
  for (char c : text) value += IsControl(static_cast<unsigned char>(c)) ? ' ' : c;
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

void IniWriter::Section(std::string_view name) {
  if (!text_.empty()) text_ += "\r\n";
  text_ += '[';
  text_ += name;
  text_ += "]\r\n";
}

void IniWriter::Key(std::string_view key, std::string_view value) {
  text_ += key;
  text_ += '=';
  if (values_ == Values::kOneLine) {
    text_ += OneLineIniValue(value);
  } else {
    text_ += value;
  }
  text_ += "\r\n";
}

void IniWriter::Key(std::string_view key, int value) { Key(key, std::to_string(value)); }

}  // namespace zeb
