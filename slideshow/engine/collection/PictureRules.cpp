#include "slideshow/engine/collection/PictureRules.h"

#include <algorithm>

namespace lumi {
namespace {
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string PackageReference(const std::string& memberName) {
  if (memberName.empty()) return {};
  return std::string(kPackagePrefix) + memberName;
}

std::string ImageTypeOf(const std::string& imageName) {
  const std::size_t dot = imageName.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == imageName.size()) return {};
  std::string type = imageName.substr(dot + 1);
  std::transform(type.begin(), type.end(), type.begin(), AsciiUpper);
  return type;
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

int OverlayPositionFromText(const std::string& text) {
  if (EqualsIgnoringCase(text, "Top Left")) return kOverlayTopLeft;
  if (EqualsIgnoringCase(text, "Top Right")) return kOverlayTopRight;
  if (EqualsIgnoringCase(text, "Bottom Left")) return kOverlayBottomLeft;
  return kOverlayBottomRight;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

}  // namespace lumi
