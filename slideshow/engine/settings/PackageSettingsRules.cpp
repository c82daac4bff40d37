#include "slideshow/engine/settings/PackageSettingsRules.h"

#include "slideshow/engine/collection/PictureRules.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"
#include "slideshow/engine/settings/TextReplace.h"

namespace lumi {

std::string CustomTextForDisplay(const std::string& stored) {
  std::string text = stored;
  ReplaceText(text, "|", "\r\n");
  return text;
}

std::string HyperlinkForDisplay(const std::string& stored) {
  return stored == "http://" ? std::string() : stored;
}

bool IsRandomDisplayOrder(const std::string& displayOrder) {
  return EqualsIgnoringCase(displayOrder, settings_file::kRandomOrder);
}

}  // namespace lumi
