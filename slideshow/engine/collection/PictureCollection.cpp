#include "slideshow/engine/collection/PictureCollection.h"

#include <windows.h>

namespace lumi {
namespace {
constexpr char kGeneral[] = "General";

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

bool CPictureCollection::Open(const std::string& path) {
  if (path.empty() || !FileExists(path)) return false;
  path_ = path;
  folder_ = FolderPart(path);
  ini_.SetFile(path);
  title_ = ini_.GetString(kGeneral, "Title");
  countAtOpen_ = GetPictureCount();
  return true;
}

int CPictureCollection::GetPictureCount() const { return ini_.GetInt(kGeneral, "Count", 0); }

bool CPictureCollection::IsActive() const { return ini_.GetFlag(kGeneral, "Active", true); }

std::string CPictureCollection::SectionName(int pictureNumber) {
  return "Picture" + std::to_string(pictureNumber);
}

bool CPictureCollection::LoadPicture(CPictureInfo& info, int index) const {
  const int count = GetPictureCount();
  if (count <= 0 || index < 0 || index >= count) return false;
  const std::string section = SectionName(index + 1);
  const char* s = section.c_str();
  const std::string image = ini_.GetString(s, "Image");
  const std::string thumb = ini_.GetString(s, "Thumb");

  info.title_ = ini_.GetString(s, "Title");
  info.text_ = ini_.GetString(s, "Text");
  info.copyright_ = ini_.GetString(s, "Copyright");
  // "Default" and other text reads as 0, which means the general delay.
  info.displayTime_ = ini_.GetInt(s, "Display_Time", 0);
  info.graphicName_ = ini_.GetString(s, "Graphic_Name");
  info.soundName_ = ini_.GetString(s, "Play_Sound");
  info.repeatSound_ = ini_.GetInt(s, "Repeat_Sound", 0);
  info.imageType_ = ImageTypeOf(image);
  // Collection pictures always come from the package.
  info.imageRef_ = PackageReference(image);
  info.thumbRef_ = PackageReference(thumb);
  info.folder_ = folder_;
  info.index_ = index;
  info.collection_ = this;
  info.graphicPosition_ = OverlayPositionFromText(ini_.GetString(s, "Graphic_Position"));
  return !image.empty() || !thumb.empty();
}

bool CPictureCollection::IsRemoved(int index) const {
  return ini_.GetFlag(SectionName(index + 1).c_str(), "IsRemoved", false);
}

}  // namespace lumi
