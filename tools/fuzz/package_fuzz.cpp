// Feeds arbitrary saver files to the package directory reader, then reads
// every member it lists and looks members up by hostile names. The first byte
// picks how the file is served (from memory, with reads failing after a
// while, with a size larger than the bytes behind it as a file cut while it
// is read, or from a file on disk) and which names are looked up; the rest is
// the saver file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/MemberName.h"
#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageReader.h"

namespace {

// Serves the file through the memory source or a file source, optionally
// failing every read after the first few or claiming more bytes than there
// are.
class TrickySource : public lumi::ByteSource {
 public:
  TrickySource(lumi::ByteSource& inner, int readsBeforeFailing, std::uint64_t extraSize)
      : inner_(inner), size_(inner.Size() + extraSize), readsLeft_(readsBeforeFailing) {}

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) override {
    // The reader must never ask for bytes outside the size it was told.
    if (offset > size_ || length > size_ - offset) __builtin_trap();
    if (readsLeft_ == 0) return false;
    if (readsLeft_ > 0) --readsLeft_;
    return inner_.ReadAt(offset, buffer, length);
  }

 private:
  lumi::ByteSource& inner_;
  std::uint64_t size_;
  int readsLeft_;  // negative: never fail
};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Looks name up and checks that the answer is the first safe entry of that
// name, ignoring case, and nothing else.
void LookUp(const lumi::PackageDirectory& directory, std::string_view name) {
  const int index = directory.FindIndex(name);
  int expected = -1;
  for (std::size_t i = 0; i < directory.Count() && expected < 0; ++i) {
    const lumi::PackageEntry& entry = directory.At(i);
    if (entry.nameIsSafe && lumi::MemberNamesEqual(entry.name, name))
      expected = static_cast<int>(i);
  }
  Check(index == expected);
  const lumi::PackageEntry* found = directory.Find(name);
  Check(found == (index < 0 ? nullptr : &directory.At(static_cast<std::size_t>(index))));
  if (found != nullptr) Check(lumi::IsSafeMemberName(found->name));
}

std::string FlipCase(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t mode = data[0];
  // An exactly sized copy, so the sanitizer sees any read past the file.
  const std::vector<unsigned char> file(data + 1, data + size);

  int readsBeforeFailing = -1;
  std::uint64_t extraSize = 0;
  switch (mode & 3) {
    case 1:
      readsBeforeFailing = (mode >> 2) & 15;
      break;
    case 2:
      extraSize = 1 + (mode >> 2) * 97u;
      break;
    default:
      break;
  }
  lumi::MemoryByteSource memory(file);
  lumi::FileByteSource onDisk;
  lumi::ByteSource* inner = &memory;
  if ((mode & 3) == 3) {
    // One file per fuzzing process, rewritten for every input and removed
    // when the process ends.
    struct TempFile {
      std::filesystem::path path =
          std::filesystem::temp_directory_path() / ("package_fuzz-" + std::to_string(getpid()));
      ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
      }
    };
    static const TempFile temp;
    const std::filesystem::path& path = temp.path;
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(file.data()),
                static_cast<std::streamsize>(file.size()));
      if (!out) return 0;
    }
    Check(onDisk.Open(path));
    Check(onDisk.Size() == file.size());
    inner = &onDisk;
  }
  TrickySource source(*inner, readsBeforeFailing, extraSize);
  lumi::PackageDirectory directory;
  directory.Add({"left over", 1, 0, true});  // the reader starts from scratch
  const lumi::ReadOutcome outcome = lumi::ReadPackageDirectory(source, directory);
  if (outcome != lumi::ReadOutcome::kOk) {
    Check(directory.Count() == 0);
    return 0;
  }
  if (directory.Version() != lumi::kPackageVersion) Check(directory.Count() == 0);

  // Every entry lies between the header and the trailer, in file order,
  // without overlapping the next one's head.
  const std::uint64_t end = source.Size() - lumi::kTrailerSize;
  std::uint64_t previousEnd = 0;
  std::vector<unsigned char> buffer;
  for (const lumi::PackageEntry& entry : directory.Entries()) {
    Check(entry.dataOffset >= previousEnd + lumi::kEntryHeadSize);
    Check(entry.dataOffset <= end && entry.dataSize <= end - entry.dataOffset);
    previousEnd = entry.dataOffset + entry.dataSize;
    Check(entry.name.size() < lumi::kNameFieldSize);
    Check(entry.name.find('\0') == std::string::npos);
    Check(entry.nameIsSafe == lumi::IsSafeMemberName(entry.name));
    buffer.assign(entry.dataSize, 0);
    if (lumi::ReadEntryData(source, entry, buffer.data()) && extraSize == 0) {
      Check(entry.dataOffset + entry.dataSize <= file.size());
    }
  }

  // Names from the file itself, in other letter cases and cut short, and
  // names that try to leave the extraction folder.
  static const std::string_view kHostile[] = {"",
                                              ".",
                                              "..",
                                              "../Settings.ini",
                                              "..\\Settings.ini",
                                              "C:Settings.ini",
                                              "C:\\x",
                                              "/etc/passwd",
                                              "Pics.cvn/",
                                              "settings.ini",
                                              "PICS.CVN",
                                              std::string_view("a\0b", 3),
                                              "\xC4\xE4.jpg",
                                              "....",
                                              ".hidden",
                                              "a..b"};
  for (std::string_view name : kHostile) LookUp(directory, name);
  for (const lumi::PackageEntry& entry : directory.Entries()) {
    LookUp(directory, entry.name);
    if (mode & 4) LookUp(directory, FlipCase(entry.name));
    if (mode & 8 && !entry.name.empty()) LookUp(directory, std::string_view(entry.name).substr(1));
    if (mode & 16) LookUp(directory, entry.name + std::string(1, '\0'));
  }
  return 0;
}
