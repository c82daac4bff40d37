#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageReader.h"
#include "tests/slideshow/package/PackageTestData.h"

namespace lumi {
namespace {

using test::Bytes;

// Lets the reader see the file only through in-range reads and counts them, so
// a read outside the file or an endless walk shows up as a test failure.
class CheckedSource : public ByteSource {
 public:
  explicit CheckedSource(const Bytes& bytes) : bytes_(bytes), inner_(bytes) {}

  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) override {
    ++reads;
    EXPECT_LE(offset, bytes_.size());
    EXPECT_LE(length, bytes_.size() - std::min<std::uint64_t>(offset, bytes_.size()));
    return inner_.ReadAt(offset, buffer, length);
  }

  int reads = 0;

 private:
  const Bytes& bytes_;
  MemoryByteSource inner_;
};

Bytes Mutate(const Bytes& original, std::size_t packageStart, std::mt19937& random) {
  Bytes file = original;
  const auto pick = [&](std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random);
  };
  const auto anyWord = [&] {
    static const std::uint32_t kInteresting[] = {0,          1,          2,          0x7FFFFFFF,
                                                 0x80000000, 0xFFFFFFFF, 0xFFFFFFF8, 268};
    return random() % 2 ? kInteresting[pick(0, 7)] : static_cast<std::uint32_t>(random());
  };
  switch (random() % 5) {
    case 0:  // flip a few bytes of the package
      for (int n = static_cast<int>(pick(1, 4)); n > 0; --n) {
        file[pick(packageStart, file.size() - 1)] ^= static_cast<unsigned char>(pick(1, 255));
      }
      break;
    case 1:  // overwrite a field with a boundary value
      test::PutU32(file, pick(packageStart, file.size() - 4), anyWord());
      break;
    case 2:  // point the trailer anywhere
      test::PutU32(file, file.size() - 4, anyWord());
      break;
    case 3:  // cut the file
      file.resize(pick(0, file.size() - 1));
      break;
    default: {  // cut the package but keep the trailer, as a broken copy might
      const Bytes trailer(file.end() - kTrailerSize, file.end());
      file.resize(pick(packageStart, file.size() - kTrailerSize));
      file.insert(file.end(), trailer.begin(), trailer.end());
      break;
    }
  }
  return file;
}

TEST(PackageFuzzTest, DamagedPackagesNeverLeadOutsideTheFile) {
  const std::size_t engineSize = 300;
  const Bytes valid =
      test::WrittenPackage(test::FakeEngine(engineSize), {{"Settings.ini", "[General_Settings]"},
                                                          {"Pics.cvn", "[General]"},
                                                          {"a.jpg", ""},
                                                          {"b.thu", std::string(700, 'b')},
                                                          {"c.rmi", "RIFF"}});
  std::mt19937 random(20618);
  int accepted = 0;
  for (int i = 0; i < 5000; ++i) {
    const Bytes file = Mutate(valid, engineSize, random);
    CheckedSource source(file);
    PackageDirectory directory;
    const ReadOutcome outcome = ReadPackageDirectory(source, directory);
    // Trailer, header in two steps, then one read per entry the file can hold.
    EXPECT_LE(source.reads, 4 + static_cast<int>(file.size() / kEntryHeadSize));
    if (outcome != ReadOutcome::kOk) {
      EXPECT_EQ(directory.Count(), 0u);
      continue;
    }
    ++accepted;
    for (const PackageEntry& entry : directory.Entries()) {
      ASSERT_LE(entry.dataOffset + entry.dataSize + kTrailerSize, file.size());
      std::vector<char> data(entry.dataSize);
      EXPECT_TRUE(ReadEntryData(source, entry, data.data()));
    }
  }
  // Single flips in member data keep the package readable: the loop saw both kinds.
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, 5000);
}

}  // namespace
}  // namespace lumi
