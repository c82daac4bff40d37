#include "slideshow/engine/settings/SoundPlayList.h"

#include <algorithm>

#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumi {

void CSoundPlayList::Load(const CIniFile& file, const char* section) {
  const int count = std::min(file.GetInt(section, settings_file::kPlayListFileCount, 0), kMaxFiles);
  if (count < 1) return;
  loop_ = file.GetFlag(section, settings_file::kPlayListLoop, true);
  shuffle_ = file.GetFlag(section, settings_file::kPlayListShuffle, true);
  selectOne_ = file.GetFlag(section, settings_file::kPlayListSelectOne, false);
  files_.clear();
  for (int n = 1; n <= count; ++n)
    files_.push_back(file.GetString(section, settings_file::PlayListFileKey(n).c_str()));
}

void CSoundPlayList::Resolve(PackageFiles& package) {
  for (std::string& name : files_) {
    if (!name.empty()) name = package.ExtractPackageFile(name);
  }
}

}  // namespace lumi
