#include "SampleFolder.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "Catalogue.h"
#include "Overlays.h"
#include "Songs.h"
#include "Thumbnail.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace samplegen {
namespace {

namespace fs = std::filesystem;

constexpr int kJpegQuality = 90;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

}  // namespace

std::vector<Member> BuildMembers() {
  std::vector<Member> members{
      {lumi::settings_file::kMemberName, FromText(SettingsIni())},
      {lumi::collection_file::kMemberName, FromText(CollectionIni())},
      {kDaybreakName, DaybreakSong()},
      {kStarlightName, StarlightSong()},
      {kReadMeName, FromText(ReadMeText())},
      {kLogoName, EncodeBmp24(Logo())},
      {kBadgeName, EncodeBmp24(Badge())},
  };
  const auto& pictures = Pictures();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PictureEntry& entry = pictures[i];
    Image picture = entry.draw(entry.width, entry.height);
    members.push_back(
        {ImageName(i), entry.bitmap ? EncodeBmp24(picture) : EncodeJpeg(picture, kJpegQuality)});
    members.push_back({ThumbName(i), MakeThumbnail(picture)});
  }
  return members;
}

bool WriteSampleFolder(const fs::path& folder, const std::vector<Member>& members,
                       std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) return Fail(error, "cannot create folder " + folder.string());

  std::vector<std::string> strangers;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    bool ours = std::any_of(members.begin(), members.end(),
                            [&name](const Member& m) { return m.name == name; });
    if (!ours) strangers.push_back(name);
  }
  if (ec) return Fail(error, "cannot read folder " + folder.string());
  if (!strangers.empty()) {
    std::sort(strangers.begin(), strangers.end());
    std::string list;
    for (const std::string& name : strangers) list += (list.empty() ? "" : ", ") + name;
    return Fail(error, "folder " + folder.string() +
                           " holds files that are not sample content (the saver would carry "
                           "them): " +
                           list);
  }

  for (const Member& member : members) {
    if (member.data.empty()) return Fail(error, "could not generate " + member.name);
    fs::path path = folder / member.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(member.data.data()),
              static_cast<std::streamsize>(member.data.size()));
    out.close();
    if (!out) return Fail(error, "cannot write " + path.string());
  }
  return true;
}

}  // namespace samplegen
