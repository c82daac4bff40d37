#pragma once
// CBoundPackage reads the package appended to the running engine program:
// members straight into memory (pictures) or copied once into the temporary
// folder (files other code must open by name), all removed again at exit.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/engine/package/PackageDirectory.h"

namespace lumi {

class CBoundPackage {
 public:
  // Shows a package error: the message, two line breaks and the path.
  using Reporter = std::function<void(const std::string& text)>;

  CBoundPackage();
  ~CBoundPackage();  // closes, then deletes every file it extracted
  CBoundPackage(const CBoundPackage&) = delete;
  CBoundPackage& operator=(const CBoundPackage&) = delete;

  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
  // Where extracted members go; the user's temporary folder unless a test says otherwise.
  void SetTempFolder(const std::string& folder) {
    tempFolder_ = folder;
    if (!tempFolder_.empty() && tempFolder_.back() != '\\') tempFolder_ += '\\';
  }

  bool OpenSelf();
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return open_; }

  int EntryCount() const;
  int FindEntryIndex(const std::string& name) const;
  const PackageEntry* FindEntry(const std::string& name) const;

  // The member's bytes followed by 50,000 spare zero bytes (decoders may read
  // a little past the end), or null; size receives the member's own length.
  std::unique_ptr<unsigned char[]> ReadMember(const std::string& name, std::uint32_t* size);
  // Full path of a file holding the member (written at most once per run), or
  // empty when there is no such member or it cannot be written.
  std::string ExtractMember(const std::string& name);

  static constexpr std::uint32_t kSpareBytes = 50000;

 private:
  class Lock;
  std::unique_ptr<unsigned char[]> ReadLocked(const PackageEntry& entry);
  int FindLocked(const std::string& name) const;
  bool Fail(const char* message, const std::string& path);

  Reporter reporter_;
  std::string tempFolder_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool open_ = false;
  PackageDirectory directory_;
  std::vector<std::string> extracted_;
  mutable CRITICAL_SECTION lock_;
};

}  // namespace lumi
