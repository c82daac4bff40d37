#include "FolderMembers.h"

#include <algorithm>
#include <system_error>
#include <tuple>

#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/package/MemberName.h"
#include "slideshow/engine/package/PackageWriter.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumipack {
namespace {

namespace fs = std::filesystem;

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

// Settings and collection first; the rest ordered ignoring case, so that the
// order does not depend on the file system, with the exact bytes as tie-break.
auto OrderKey(const MemberFile& member) {
  int rank = 2;
  if (lumi::MemberNamesEqual(member.name, lumi::settings_file::kMemberName)) rank = 0;
  if (lumi::MemberNamesEqual(member.name, lumi::collection_file::kMemberName)) rank = 1;
  return std::make_tuple(rank, Folded(member.name), member.name);
}

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

}  // namespace

bool ForEachFileIn(const fs::path& folder, const std::function<bool(const fs::path&)>& visit,
                   std::string& error) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Fail(error, "folder not found: " + folder.string());
  fs::directory_iterator it(folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    if (!visit(it->path())) return false;
  }
  if (ec) return Fail(error, "cannot read folder " + folder.string());
  return true;
}

bool CollectMembers(const fs::path& folder, std::vector<MemberFile>& members, std::string& error) {
  members.clear();
  const bool listed = ForEachFileIn(
      folder,
      [&](const fs::path& path) {
        MemberFile member;
        member.name = path.filename().string();
        member.path = path;
        if (member.name.size() >= 256) {
          return Fail(error, "file name too long for a member (at most 255 bytes): " + member.name);
        }
        if (std::string reason = lumi::PackageWriter::CheckName(member.name); !reason.empty()) {
          return Fail(error, reason + ": " + member.name);
        }
        std::error_code sizeError;
        member.size = fs::file_size(member.path, sizeError);
        if (sizeError) return Fail(error, "cannot read " + member.path.string());
        members.push_back(std::move(member));
        return true;
      },
      error);
  if (!listed) return false;

  std::sort(members.begin(), members.end(),
            [](const MemberFile& a, const MemberFile& b) { return OrderKey(a) < OrderKey(b); });
  for (std::size_t i = 1; i < members.size(); ++i) {
    // The engine finds only the first of two names that differ in case alone.
    if (lumi::MemberNamesEqual(members[i - 1].name, members[i].name)) {
      return Fail(error, "file names differ only in letter case: " + members[i - 1].name + ", " +
                             members[i].name);
    }
  }
  if (members.empty() || std::get<0>(OrderKey(members[0])) != 0) {
    return Fail(error, std::string("folder has no ") + lumi::settings_file::kMemberName + ": " +
                           folder.string());
  }
  if (members.size() < 2 || std::get<0>(OrderKey(members[1])) != 1) {
    return Fail(error, std::string("folder has no ") + lumi::collection_file::kMemberName + ": " +
                           folder.string());
  }
  return true;
}

}  // namespace lumipack
