#include "IniText.h"

namespace samplegen {

void IniText::Section(const std::string& name) {
  if (!text_.empty()) text_ += "\r\n";
  text_ += "[" + name + "]\r\n";
}

void IniText::Key(const std::string& key, const std::string& value) {
  text_ += key + "=" + value + "\r\n";
}

}  // namespace samplegen
