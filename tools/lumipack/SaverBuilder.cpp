#include "SaverBuilder.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

#include "FolderMembers.h"
#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageWriter.h"

namespace lumipack {
namespace {

namespace fs = std::filesystem;

bool Fail(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

// A saver carrying a package already would get a second one stacked on top,
// and the engine would only ever see the outer one.
bool CarriesPackage(lumi::ByteSource& engine) {
  std::array<unsigned char, lumi::kTrailerSize> trailer;
  return engine.Size() >= trailer.size() &&
         engine.ReadAt(engine.Size() - trailer.size(), trailer.data(), trailer.size()) &&
         lumi::LoadU32(trailer.data()) == lumi::kPackageSignature;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const fs::path canonicalA = fs::weakly_canonical(a, ec);
  if (ec) return false;
  const fs::path canonicalB = fs::weakly_canonical(b, ec);
  return !ec && canonicalA == canonicalB;
}

bool CopyAll(lumi::ByteSource& source, std::ostream& out) {
  std::vector<char> chunk(64 * 1024);
  for (std::uint64_t done = 0; done < source.Size();) {
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), source.Size() - done));
    if (!source.ReadAt(done, chunk.data(), length)) return false;
    out.write(chunk.data(), static_cast<std::streamsize>(length));
    if (!out) return false;
    done += length;
  }
  return true;
}

// The partial saver beside the output; removed unless Keep() was called.
class PartialFile {
 public:
  explicit PartialFile(fs::path path) : path_(std::move(path)) {}
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;
  ~PartialFile() {
    if (stream.is_open()) stream.close();
    std::error_code ignored;
    if (!kept_) fs::remove(path_, ignored);
  }

  const fs::path& Path() const { return path_; }
  void Keep() { kept_ = true; }

  std::ofstream stream;

 private:
  fs::path path_;
  bool kept_ = false;
};

bool AppendPackage(std::ostream& out, std::uint64_t headerOffset,
                   const std::vector<MemberFile>& members, const fs::path& outPath,
                   std::string& error) {
  std::uint64_t total = 0;
  for (const MemberFile& member : members) total += member.size;
  lumi::PackageWriter writer(out, headerOffset);
  if (!writer.Begin(static_cast<std::uint32_t>(members.size()), total)) {
    return Fail(error, writer.Error());
  }
  for (const MemberFile& member : members) {
    if (member.inMemory) {
      lumi::MemoryByteSource source(std::span<const unsigned char>(
          reinterpret_cast<const unsigned char*>(member.data.data()), member.data.size()));
      if (!writer.AddMember(member.name, source)) return Fail(error, writer.Error());
      continue;
    }
    lumi::FileByteSource source;
    if (!source.Open(member.path)) return Fail(error, "cannot read " + member.path.string());
    if (!writer.AddMember(member.name, source)) {
      if (!out) return Fail(error, "cannot write " + outPath.string());
      if (source.Size() != member.size) {
        return Fail(error, "file changed while building: " + member.path.string());
      }
      return Fail(error, "cannot read " + member.path.string());
    }
  }
  if (!writer.Finish()) return Fail(error, "cannot write " + outPath.string());
  return true;
}

}  // namespace

bool CheckBuildPaths(const fs::path& engine, const fs::path& out, const fs::path& folder,
                     std::string& error) {
  std::error_code ec;
  if (!fs::is_regular_file(engine, ec)) return Fail(error, "engine not found: " + engine.string());
  lumi::FileByteSource engineSource;
  if (!engineSource.Open(engine)) return Fail(error, "cannot read engine " + engine.string());
  if (CarriesPackage(engineSource)) {
    return Fail(error,
                "engine already carries a package (give the bare engine): " + engine.string());
  }
  if (SameFolder(out.parent_path().empty() ? fs::path(".") : out.parent_path(), folder)) {
    return Fail(error, "output must not be inside the package folder: " + out.string());
  }
  if (fs::exists(out, ec) && fs::equivalent(out, engine, ec)) {
    return Fail(error, "output would replace the engine: " + out.string());
  }
  return true;
}

bool BuildSaver(const fs::path& engine, const fs::path& out, const fs::path& folder,
                std::string& error) {
  std::vector<MemberFile> members;
  return CheckBuildPaths(engine, out, folder, error) && CollectMembers(folder, members, error) &&
         WriteSaver(engine, out, members, error);
}

bool WriteSaver(const fs::path& engine, const fs::path& out, const std::vector<MemberFile>& members,
                std::string& error) {
  std::error_code ec;
  lumi::FileByteSource engineSource;
  if (!engineSource.Open(engine)) return Fail(error, "cannot read engine " + engine.string());
  if (CarriesPackage(engineSource)) {
    return Fail(error,
                "engine already carries a package (give the bare engine): " + engine.string());
  }
  std::uint64_t size = engineSource.Size() + lumi::kHeaderSize + lumi::kTrailerSize;
  for (const MemberFile& member : members) size += lumi::kEntryHeadSize + member.size;
  if (size > lumi::kMaxSaverFileSize) {
    return Fail(error, "saver would exceed 4 GiB: " + out.string());
  }

  PartialFile partial(fs::path(out) += ".partial");
  partial.stream.open(partial.Path(), std::ios::binary | std::ios::trunc);
  if (!partial.stream) return Fail(error, "cannot write " + partial.Path().string());
  if (!CopyAll(engineSource, partial.stream)) {
    return Fail(error, partial.stream ? "cannot read engine " + engine.string()
                                      : "cannot write " + partial.Path().string());
  }
  if (!AppendPackage(partial.stream, engineSource.Size(), members, partial.Path(), error)) {
    return false;
  }
  partial.stream.close();
  if (partial.stream.fail()) return Fail(error, "cannot write " + partial.Path().string());
  fs::rename(partial.Path(), out, ec);
  if (ec) return Fail(error, "cannot write " + out.string() + ": " + ec.message());
  partial.Keep();
  return true;
}

}  // namespace lumipack
