#pragma once
// The rules by which a picture section becomes a picture record, kept free of
// the platform so they can be checked on their own.
#include <string>
#include <string_view>

namespace lumi {

// A reference that begins with this names a member of the bound package; any
// other reference is a file path on disk.
inline constexpr std::string_view kPackagePrefix = "@pk@";

// Corners for the overlay graphic, as stored in a picture record.
enum OverlayPosition : int {
  kOverlayTopLeft = 0,
  kOverlayTopRight = 1,
  kOverlayBottomLeft = 2,
  kOverlayBottomRight = 3,
};

// The package reference for a member name; empty for an empty name.
std::string PackageReference(const std::string& memberName);

// The extension after the last dot, upper-cased ("Sunset.jpeg" gives "JPEG");
// empty without a dot or when the last dot is the first or last character.
std::string ImageTypeOf(const std::string& imageName);

// Everything up to and including the last backslash, drive included; empty
// when the path has no backslash.
std::string FolderPart(const std::string& path);

// "Top Left", "Top Right" and "Bottom Left" in any letter case; any other text
// means the bottom right corner.
int OverlayPositionFromText(const std::string& text);

// ASCII letters compared without regard to case, as the ini files are.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace lumi
