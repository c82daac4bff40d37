#include "AuthorFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <system_error>

#include "PhotoNames.h"
#include "common/text/IniWriter.h"
#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/SoundPlayList.h"

namespace lumipack {
namespace {

namespace fs = std::filesystem;

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

bool ReadText(const fs::path& path, std::string& text) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool ReadMessages(const std::string& file, std::vector<std::string>& messages, std::string& error) {
  std::string text;
  if (!ReadText(file, text)) return Fail(error, "--messages: cannot read " + file);
  // Editors that save UTF-8 often put a byte-order mark in front.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::size_t lineNumber = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    ++lineNumber;
    // Blank lines only separate: an empty message would show an empty bar.
    const std::string message = zeb::OneLineIniValue(AnsiFromUtf8(text.substr(at, end - at)));
    at = end + 1;
    if (message.empty()) continue;
    if (message.size() > lumi::CIniFile::kMaxText) {
      return Fail(error, "--messages: line " + std::to_string(lineNumber) + " of " + file +
                             " is longer than the saver reads (" +
                             std::to_string(lumi::CIniFile::kMaxText) + " characters)");
    }
    messages.push_back(message);
  }
  if (messages.empty()) return Fail(error, "--messages: no messages in " + file);
  return true;
}

std::string FileName(const fs::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

// Adds the songs of one play list; a file already packed keeps its member.
bool AddSongs(const char* option, const std::vector<std::string>& files,
              std::map<fs::path, std::string>& packed, std::set<std::string>& takenStems,
              AuthorFiles& out, std::vector<std::string>& names, std::string& error) {
  if (files.size() > static_cast<std::size_t>(lumi::CSoundPlayList::kMaxFiles)) {
    return Fail(error, std::string(option) + ": the saver plays at most " +
                           std::to_string(lumi::CSoundPlayList::kMaxFiles) + " songs a list");
  }
  for (const std::string& file : files) {
    const fs::path path(file);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
      return Fail(error, std::string(option) + ": file not found: " + file);
    }
    std::error_code sizeError;
    const fs::path key = fs::weakly_canonical(path, ec);
    const std::uint64_t size = fs::file_size(path, sizeError);
    std::ifstream in(path, std::ios::binary);
    if (ec || sizeError || !in) return Fail(error, std::string(option) + ": cannot read " + file);
    if (auto found = packed.find(key); found != packed.end()) {
      names.push_back(found->second);
      continue;
    }
    std::string head(12, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    const std::string extension = MidiExtension(head);
    if (extension.empty()) return Fail(error, std::string(option) + ": not a MIDI song: " + file);

    MemberFile song;
    song.name = UniqueStem(FileName(path), takenStems) + extension;
    song.path = path;
    song.size = size;
    packed.emplace(key, song.name);
    names.push_back(song.name);
    out.songs.push_back(std::move(song));
  }
  return true;
}

}  // namespace

std::string MidiExtension(const std::string& head) {
  if (head.size() >= 8 && head.compare(0, 8, std::string("MThd\0\0\0\x06", 8)) == 0) return ".mid";
  if (head.size() >= 12 && head.compare(0, 4, "RIFF") == 0 && head.compare(8, 4, "RMID") == 0) {
    return ".rmi";
  }
  return {};
}

bool LoadAuthorFiles(const SaverOptions& options, AuthorFiles& files, std::string& error) {
  files = AuthorFiles{};
  if (!options.messagesFile.empty() && !ReadMessages(options.messagesFile, files.messages, error)) {
    return false;
  }
  std::map<fs::path, std::string> packed;
  std::set<std::string> takenStems;
  return AddSongs("--startup-song", options.startupSongs.files, packed, takenStems, files,
                  files.startupSongs, error) &&
         AddSongs("--song", options.saverSongs.files, packed, takenStems, files, files.saverSongs,
                  error);
}

}  // namespace lumipack
