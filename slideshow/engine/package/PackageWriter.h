#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "slideshow/engine/package/ByteSource.h"

namespace lumi {

// Appends a package to a stream that already holds the engine program. Members
// are copied from byte sources one at a time, so a large folder of pictures
// never has to be in memory at once:
//
//   PackageWriter writer(out, engineSize);
//   writer.Begin(count, totalDataSize);
//   writer.AddMember("Settings.ini", settingsSource); ...
//   writer.Finish();
//
// Each step returns false on refusal or a write failure and leaves the reason
// in Error(); after a failure the stream holds a partial package and must be
// thrown away.
class PackageWriter {
 public:
  // headerOffset is the stream's current size: the absolute position at which
  // the header will land.
  PackageWriter(std::ostream& out, std::uint64_t headerOffset);

  // Why a name cannot be stored, or empty when it can: the engine must be able
  // to find it, so it fits the name field with its NUL and is a plain file name.
  static std::string CheckName(std::string_view name);

  bool Begin(std::uint32_t entryCount, std::uint64_t totalDataSize);
  bool AddMember(std::string_view name, ByteSource& data);
  // Writes the trailer once every announced member was added.
  bool Finish();

  const std::string& Error() const { return error_; }

 private:
  enum class Stage { kNew, kEntries, kFinished, kFailed };

  bool Fail(std::string reason);
  bool Write(const void* bytes, std::size_t length);
  bool CopyData(ByteSource& data, std::uint64_t size);

  std::ostream& out_;
  std::uint64_t headerOffset_;
  Stage stage_ = Stage::kNew;
  std::uint32_t entryCount_ = 0;
  std::uint32_t entriesWritten_ = 0;
  std::uint64_t totalDataSize_ = 0;
  std::uint64_t dataWritten_ = 0;
  std::string error_;
};

// A member whose bytes are already in memory.
struct PackageMember {
  std::string name;
  std::string bytes;
};

// Appends a whole package of in-memory members; false with the reason in
// *error (when given) on refusal or write failure.
bool WritePackage(std::ostream& out, std::uint64_t headerOffset,
                  const std::vector<PackageMember>& members, std::string* error = nullptr);

}  // namespace lumi
