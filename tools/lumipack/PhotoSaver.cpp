#include "PhotoSaver.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <set>

#include "AuthorFiles.h"
#include "FolderMembers.h"
#include "PhotoContent.h"
#include "PhotoNames.h"
#include "PhotoThumbnail.h"
#include "SaverBuilder.h"
#include "common/text/IniWriter.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumipack {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLineEvery = 50;

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

struct Candidate {
  std::string name;  // UTF-8
  fs::path path;
};

bool ListJpegFiles(const fs::path& folder, std::vector<Candidate>& jpegs, std::size_t& ignored,
                   std::string& error) {
  const bool listed = ForEachFileIn(
      folder,
      [&](const fs::path& path) {
        std::string name = Utf8Name(path);
        if (HasJpegExtension(name)) {
          jpegs.push_back({std::move(name), path});
        } else {
          ++ignored;
        }
        return true;
      },
      error);
  if (!listed) return false;
  std::sort(jpegs.begin(), jpegs.end(),
            [](const Candidate& a, const Candidate& b) { return NaturalLess(a.name, b.name); });
  return true;
}

bool ReadBytes(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
  if (size < 0) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  return in.gcount() == size;
}

MemberFile InMemory(std::string name, std::string data) {
  MemberFile member;
  member.name = std::move(name);
  member.size = data.size();
  member.inMemory = true;
  member.data = std::move(data);
  return member;
}

}  // namespace

void ProgressMeter::Done(std::size_t count) {
  if (terminal_) {
    err_ << "\rlumipack: reading photos " << count << '/' << total_ << std::flush;
    shown_ = true;
  } else if (total_ > kLineEvery && (count % kLineEvery == 0 || count == total_)) {
    err_ << "lumipack: read " << count << " of " << total_ << " photos\n" << std::flush;
  }
}

void ProgressMeter::Finish() {
  if (shown_) err_ << '\n';
  shown_ = false;
}

std::string PrintableName(const std::string& utf8) {
#ifdef _WIN32
  return AnsiFromUtf8(utf8);
#else
  return utf8;
#endif
}

std::string TitleFromCommandLine(const std::string& argument) {
#ifdef _WIN32
  // The arguments of an ANSI program arrive in the ANSI code page already.
  return argument;
#else
  return AnsiFromUtf8(argument);
#endif
}

std::string DefaultTitle(const fs::path& folder) {
  fs::path normal = fs::absolute(folder).lexically_normal();
  if (normal.filename().empty()) normal = normal.parent_path();
  // The dot added stands for an extension, so that a folder named
  // "2024.06 Trip" keeps its whole name.
  std::string title = TitleFromFileName(Utf8Name(normal) + ".");
  return title.empty() ? "My Pictures" : title;
}

bool BuildPhotoSaver(const fs::path& engine, const fs::path& out, const fs::path& folder,
                     const std::string& title, const SaverOptions& options, ProgressMeter& progress,
                     PhotoReport& report, std::string& error) {
  report = PhotoReport{};
  if (!CheckBuildPaths(engine, out, folder, error)) return false;
  AuthorFiles authorFiles;
  if (!LoadAuthorFiles(options, authorFiles, error)) return false;
  std::vector<Candidate> jpegs;
  if (!ListJpegFiles(folder, jpegs, report.ignored, error)) return false;

  std::vector<MemberFile> members(2);
  std::vector<PhotoEntry> entries;
  std::set<std::string> takenStems;
  std::vector<std::uint8_t> bytes;
  progress.Start(jpegs.size());
  for (std::size_t i = 0; i < jpegs.size(); ++i) {
    const Candidate& jpeg = jpegs[i];
    PhotoThumbnail thumbnail;
    std::string reason;
    if (!ReadBytes(jpeg.path, bytes)) {
      reason = "cannot read the file";
    } else if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) {
      reason = "not a JPEG file";
    } else if (int status = MakePhotoThumbnail(bytes, thumbnail); status != 0) {
      reason = DescribeImagingError(status);
    }
    progress.Done(i + 1);
    if (!reason.empty()) {
      report.skipped.push_back(PrintableName(jpeg.name) + ": " + reason);
      continue;
    }

    const std::string stem = UniqueStem(jpeg.name, takenStems);
    PhotoEntry entry;
    entry.title = TitleFromFileName(jpeg.name);
    if (entry.title.empty()) entry.title = "Picture " + std::to_string(entries.size() + 1);
    entry.imageName = stem + ".jpg";
    entry.thumbName = stem + ".thu";
    entry.width = thumbnail.pictureWidth;
    entry.height = thumbnail.pictureHeight;

    MemberFile photo;
    photo.name = entry.imageName;
    photo.path = jpeg.path;
    photo.size = bytes.size();
    members.push_back(std::move(photo));
    members.push_back(InMemory(entry.thumbName, std::move(thumbnail.bitmap)));
    entries.push_back(std::move(entry));
  }
  progress.Finish();

  if (entries.empty()) {
    if (jpegs.empty()) {
      return Fail(error, "no JPEG photos in " + folder.string() + " (" +
                             std::to_string(report.ignored) +
                             (report.ignored == 1 ? " other file" : " other files") + " ignored)");
    }
    return Fail(error, "none of the " + std::to_string(jpegs.size()) + " JPEG photos in " +
                           folder.string() + " could be used");
  }
  std::string saverTitle = zeb::OneLineIniValue(title);
  if (saverTitle.empty()) saverTitle = DefaultTitle(folder);
  members[0] = InMemory(lumi::settings_file::kMemberName,
                        PhotoSettingsIni(saverTitle, options, authorFiles));
  members[1] =
      InMemory(lumi::collection_file::kMemberName, PhotoCollectionIni(saverTitle, entries));
  for (MemberFile& song : authorFiles.songs) members.push_back(std::move(song));
  if (!WriteSaver(engine, out, members, error)) return false;
  report.packed = entries.size();
  return true;
}

}  // namespace lumipack
