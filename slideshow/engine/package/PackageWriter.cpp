#include "slideshow/engine/package/PackageWriter.h"

#include <algorithm>
#include <array>
#include <utility>

#include "slideshow/engine/package/MemberName.h"
#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"

namespace lumi {

PackageWriter::PackageWriter(std::ostream& out, std::uint64_t headerOffset)
    : out_(out), headerOffset_(headerOffset) {}

std::string PackageWriter::CheckName(std::string_view name) {
  if (name.empty()) return "empty member name";
  if (name.size() >= kNameFieldSize) {
    return "member name longer than " + std::to_string(kNameFieldSize - 1) + " bytes";
  }
  if (!IsSafeMemberName(name)) {
    return "member name is not a plain file name (drive, folder, '..' or NUL)";
  }
  return {};
}

bool PackageWriter::Fail(std::string reason) {
  stage_ = Stage::kFailed;
  error_ = std::move(reason);
  return false;
}

bool PackageWriter::Write(const void* bytes, std::size_t length) {
  out_.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(length));
  if (!out_) return Fail("cannot write the package");
  return true;
}

bool PackageWriter::Begin(std::uint32_t entryCount, std::uint64_t totalDataSize) {
  if (stage_ != Stage::kNew) return Fail("package already begun");
  if (headerOffset_ > kMaxSaverFileSize) return Fail("engine too large for a package");
  if (totalDataSize > 0xFFFFFFFFull) return Fail("members too large for one package");
  const std::uint64_t finalSize = headerOffset_ + kHeaderSize +
                                  std::uint64_t{entryCount} * kEntryHeadSize + totalDataSize +
                                  kTrailerSize;
  if (finalSize > kMaxSaverFileSize) return Fail("saver would exceed 4 GiB");

  std::array<unsigned char, kHeaderSize> header{};
  StoreU32(header.data(), kPackageSignature);
  StoreU32(header.data() + 4, kPackageVersion);
  StoreU32(header.data() + 8, entryCount);
  StoreU32(header.data() + 12, static_cast<std::uint32_t>(totalDataSize));
  if (!Write(header.data(), header.size())) return false;
  entryCount_ = entryCount;
  totalDataSize_ = totalDataSize;
  stage_ = Stage::kEntries;
  return true;
}

bool PackageWriter::AddMember(std::string_view name, ByteSource& data) {
  if (stage_ != Stage::kEntries) return Fail("member added outside the package");
  if (entriesWritten_ == entryCount_) return Fail("more members than announced");
  if (std::string reason = CheckName(name); !reason.empty()) {
    return Fail(std::string(name) + ": " + reason);
  }
  const std::uint64_t size = data.Size();
  if (size > totalDataSize_ - dataWritten_) {
    return Fail(std::string(name) + ": more data than announced");
  }

  // The name field's bytes after the NUL are zero, so a package never carries
  // leftovers of an earlier name.
  std::array<unsigned char, kEntryHeadSize> head{};
  StoreU32(head.data(), kEntrySignature);
  StoreU32(head.data() + kEntryKindOffset, kEntryKindFile);
  std::copy(name.begin(), name.end(), head.begin() + kEntryNameOffset);
  StoreU32(head.data() + kEntryDataSizeOffset, static_cast<std::uint32_t>(size));
  if (!Write(head.data(), head.size())) return false;
  if (!CopyData(data, size)) {
    if (error_.empty()) Fail(std::string(name) + ": cannot read the member");
    return false;
  }
  dataWritten_ += size;
  ++entriesWritten_;
  return true;
}

bool PackageWriter::CopyData(ByteSource& data, std::uint64_t size) {
  std::array<char, 64 * 1024> chunk;
  for (std::uint64_t done = 0; done < size;) {
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), size - done));
    if (!data.ReadAt(done, chunk.data(), length)) {
      stage_ = Stage::kFailed;
      return false;
    }
    if (!Write(chunk.data(), length)) return false;
    done += length;
  }
  return true;
}

bool PackageWriter::Finish() {
  if (stage_ != Stage::kEntries) return Fail("package not begun or already failed");
  if (entriesWritten_ != entryCount_) return Fail("fewer members than announced");
  if (dataWritten_ != totalDataSize_) return Fail("less data than announced");
  std::array<unsigned char, kTrailerSize> trailer{};
  StoreU32(trailer.data(), kPackageSignature);
  StoreU32(trailer.data() + 4, static_cast<std::uint32_t>(headerOffset_));
  if (!Write(trailer.data(), trailer.size())) return false;
  out_.flush();
  if (!out_) return Fail("cannot write the package");
  stage_ = Stage::kFinished;
  return true;
}

bool WritePackage(std::ostream& out, std::uint64_t headerOffset,
                  const std::vector<PackageMember>& members, std::string* error) {
  PackageWriter writer(out, headerOffset);
  const auto finish = [&](bool ok) {
    if (!ok && error != nullptr) *error = writer.Error();
    return ok;
  };
  const std::uint64_t count = members.size();
  if (count > 0xFFFFFFFFull) {
    if (error != nullptr) *error = "too many members for one package";
    return false;
  }
  std::uint64_t total = 0;
  for (const PackageMember& member : members) {
    // Refuse before writing anything, so a bad name leaves the stream alone.
    if (std::string reason = PackageWriter::CheckName(member.name); !reason.empty()) {
      if (error != nullptr) *error = member.name + ": " + reason;
      return false;
    }
    total += member.bytes.size();
  }
  if (!writer.Begin(static_cast<std::uint32_t>(members.size()), total)) return finish(false);
  for (const PackageMember& member : members) {
    MemoryByteSource source(
        {reinterpret_cast<const unsigned char*>(member.bytes.data()), member.bytes.size()});
    if (!writer.AddMember(member.name, source)) return finish(false);
  }
  return finish(writer.Finish());
}

}  // namespace lumi
