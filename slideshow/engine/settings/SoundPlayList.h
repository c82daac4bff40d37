#pragma once
// A play list of the package settings file: a section with "FileCount", the
// three flags and the entries "1" .. FileCount, each naming a package member.
// After loading, the store resolves the entries to extracted files, so the
// sound player only ever sees file paths.
#include <string>
#include <utility>
#include <vector>

namespace lumi {

class CIniFile;
class PackageFiles;

class CSoundPlayList {
 public:
  // Entries beyond this are not read: a damaged FileCount must not make
  // start-up read (and keep) millions of empty entries.
  static constexpr int kMaxFiles = 1024;

  bool IsLoop() const { return loop_; }
  bool IsShuffle() const { return shuffle_; }
  bool IsSelectOne() const { return selectOne_; }
  const std::vector<std::string>& GetFiles() const { return files_; }

  void SetLoop(bool loop) { loop_ = loop; }
  void SetShuffle(bool shuffle) { shuffle_ = shuffle; }
  void SetSelectOne(bool selectOne) { selectOne_ = selectOne; }
  void SetFiles(std::vector<std::string> files) { files_ = std::move(files); }

  // A section without entries (FileCount absent or below 1) leaves the flags
  // and files as they were. Otherwise the flags are read and the entries
  // replace the files, empty ones included.
  void Load(const CIniFile& file, const char* section);

  // Replaces every entry by the path of its member extracted from the package,
  // or by empty text when the package has no such member.
  void Resolve(PackageFiles& package);

 private:
  bool loop_ = true;
  bool shuffle_ = true;
  bool selectOne_ = false;
  std::vector<std::string> files_;
};

}  // namespace lumi
