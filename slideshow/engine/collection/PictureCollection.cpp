#include "slideshow/engine/collection/PictureCollection.h"

#include <windows.h>

#include "slideshow/engine/collection/CollectionKeys.h"

namespace lumi {
namespace {
namespace keys = collection_file;

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
  title_ = ini_.GetString(keys::kGeneralSection, keys::kTitle);
  countAtOpen_ = GetPictureCount();
  return true;
}

int CPictureCollection::GetPictureCount() const {
  return ini_.GetInt(keys::kGeneralSection, keys::kCount, 0);
}

bool CPictureCollection::IsActive() const {
  return ini_.GetFlag(keys::kGeneralSection, keys::kActive, true);
}

std::string CPictureCollection::SectionName(int pictureNumber) {
  return keys::PictureSection(pictureNumber);
}

bool CPictureCollection::LoadPicture(CPictureInfo& info, int index) const {
  const int count = GetPictureCount();
  if (count <= 0 || index < 0 || index >= count) return false;
  const std::string section = SectionName(index + 1);
  const char* s = section.c_str();
  const std::string image = ini_.GetString(s, keys::kPictureImage);
  const std::string thumb = ini_.GetString(s, keys::kPictureThumb);

  info.title_ = ini_.GetString(s, keys::kPictureTitle);
  info.text_ = ini_.GetString(s, keys::kPictureText);
  info.copyright_ = ini_.GetString(s, keys::kPictureCopyright);
  // "Default" and other text reads as 0, which means the general delay.
  info.displayTime_ = ini_.GetInt(s, keys::kPictureDisplayTime, 0);
  info.graphicName_ = ini_.GetString(s, keys::kPictureGraphicName);
  info.soundName_ = ini_.GetString(s, keys::kPicturePlaySound);
  info.repeatSound_ = ini_.GetInt(s, keys::kPictureRepeatSound, 0);
  info.imageType_ = ImageTypeOf(image);
  // Collection pictures always come from the package.
  info.imageRef_ = PackageReference(image);
  info.thumbRef_ = PackageReference(thumb);
  info.folder_ = folder_;
  info.index_ = index;
  info.collection_ = this;
  info.graphicPosition_ = OverlayPositionFromText(ini_.GetString(s, keys::kPictureGraphicPosition));
  return !image.empty() || !thumb.empty();
}

bool CPictureCollection::IsRemoved(int index) const {
  return ini_.GetFlag(SectionName(index + 1).c_str(), keys::kPictureIsRemoved, false);
}

}  // namespace lumi
