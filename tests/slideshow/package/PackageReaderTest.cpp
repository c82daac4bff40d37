#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageReader.h"
#include "tests/slideshow/package/PackageTestData.h"

namespace lumi {
namespace {

using test::Bytes;
using test::GetU32;
using test::PutU32;

constexpr std::size_t kEngineSize = 1000;

ReadOutcome Read(const Bytes& file, PackageDirectory& directory) {
  MemoryByteSource source(file);
  return ReadPackageDirectory(source, directory);
}

std::string DataOf(const Bytes& file, const PackageEntry& entry) {
  std::string data(entry.dataSize, '\0');
  MemoryByteSource source(file);
  EXPECT_TRUE(ReadEntryData(source, entry, data.data()));
  return data;
}

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 31) ^ (i >> 8));
  return bytes;
}

Bytes ThreeMembers() {
  return test::WrittenPackage(test::FakeEngine(kEngineSize), {{"Settings.ini", "[General]\r\n"},
                                                              {"Pics.cvn", "[General]\r\nCount=1"},
                                                              {"a.jpg", "\xFF\xD8\xFF"}});
}

// Offsets into ThreeMembers().
constexpr std::size_t kHeader = kEngineSize;
constexpr std::size_t kFirstEntry = kHeader + kHeaderSize;
constexpr std::size_t kSecondEntry = kFirstEntry + kEntryHeadSize + 11;
constexpr std::size_t kLastEntry = kSecondEntry + kEntryHeadSize + 18;

TEST(PackageReaderTest, ReadsBackWhatTheWriterStored) {
  const std::string big = Pattern(20618);
  const Bytes file = test::WrittenPackage(
      test::FakeEngine(kEngineSize), {{"Settings.ini", "[General_Settings]\r\nTitle=Coast\r\n"},
                                      {"Pics.cvn", "[General]"},
                                      {"empty.txt", ""},
                                      {"Sunset.jpg", big}});
  PackageDirectory directory;
  ASSERT_EQ(Read(file, directory), ReadOutcome::kOk);
  EXPECT_EQ(directory.Version(), kPackageVersion);
  ASSERT_EQ(directory.Count(), 4u);
  EXPECT_EQ(directory.At(0).name, "Settings.ini");
  EXPECT_EQ(directory.At(0).dataOffset, kEngineSize + kHeaderSize + kEntryHeadSize);
  EXPECT_EQ(DataOf(file, directory.At(0)), "[General_Settings]\r\nTitle=Coast\r\n");
  EXPECT_EQ(directory.At(1).name, "Pics.cvn");
  EXPECT_EQ(directory.At(2).dataSize, 0u);
  const PackageEntry& sunset = directory.At(3);
  EXPECT_EQ(sunset.dataSize, 20618u);
  EXPECT_EQ(DataOf(file, sunset), big);
  EXPECT_EQ(sunset.dataOffset + sunset.dataSize + kTrailerSize, file.size());
}

struct MalformedCase {
  const char* what;
  std::function<void(Bytes&)> damage;
  ReadOutcome expected;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.what; }

class MalformedPackageTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedPackageTest, IsRefusedWithAnEmptyDirectory) {
  Bytes file = ThreeMembers();
  GetParam().damage(file);
  PackageDirectory directory;
  directory.Add({"stale", 1, 2, true});
  EXPECT_EQ(Read(file, directory), GetParam().expected);
  EXPECT_EQ(directory.Count(), 0u);
}

const auto kTrailerAt = [](Bytes& f) { return f.size() - kTrailerSize; };

INSTANTIATE_TEST_SUITE_P(
    Damage, MalformedPackageTest,
    testing::Values(
        MalformedCase{"empty file", [](Bytes& f) { f.clear(); }, ReadOutcome::kNotPackage},
        MalformedCase{"shorter than the trailer", [](Bytes& f) { f.resize(7); },
                      ReadOutcome::kNotPackage},
        MalformedCase{"program without package",
                      [](Bytes& f) { f = test::FakeEngine(kEngineSize); },
                      ReadOutcome::kNotPackage},
        MalformedCase{"trailer signature wrong", [](Bytes& f) { f[kTrailerAt(f)] ^= 1; },
                      ReadOutcome::kNotPackage},
        MalformedCase{"header signature wrong", [](Bytes& f) { f[kHeader + 3] = 1; },
                      ReadOutcome::kBadFormat},
        MalformedCase{"header offset past the end",
                      [](Bytes& f) { PutU32(f, kTrailerAt(f) + 4, 0xFFFFFFF0u); },
                      ReadOutcome::kBadFormat},
        MalformedCase{"header offset at the trailer",
                      [](Bytes& f) {
                        PutU32(f, kTrailerAt(f) + 4, static_cast<std::uint32_t>(kTrailerAt(f)));
                      },
                      ReadOutcome::kBadFormat},
        MalformedCase{"header cut by the trailer",
                      [](Bytes& f) {
                        PutU32(f, kTrailerAt(f) + 4,
                               static_cast<std::uint32_t>(kTrailerAt(f) - kHeaderSize + 4));
                        PutU32(f, kTrailerAt(f) - kHeaderSize + 4, kPackageSignature);
                        PutU32(f, kTrailerAt(f) - kHeaderSize + 8, kPackageVersion);
                      },
                      ReadOutcome::kBadFormat},
        MalformedCase{"second entry signature wrong", [](Bytes& f) { f[kSecondEntry] ^= 0x10; },
                      ReadOutcome::kBadFormat},
        MalformedCase{"name field without NUL",
                      [](Bytes& f) {
                        for (std::size_t i = 0; i < kNameFieldSize; ++i) {
                          f[kSecondEntry + kEntryNameOffset + i] = 'x';
                        }
                      },
                      ReadOutcome::kBadFormat},
        MalformedCase{"data running into the trailer",
                      [](Bytes& f) {
                        const std::size_t sizeField = kLastEntry + kEntryDataSizeOffset;
                        const std::uint32_t toTrailer = static_cast<std::uint32_t>(
                            kTrailerAt(f) - (kLastEntry + kEntryHeadSize));
                        PutU32(f, sizeField, toTrailer + 1);
                      },
                      ReadOutcome::kBadFormat},
        MalformedCase{"data size wrapping the offset",
                      [](Bytes& f) { PutU32(f, kLastEntry + kEntryDataSizeOffset, 0xFFFFFFFFu); },
                      ReadOutcome::kBadFormat},
        MalformedCase{"entry count beyond the file",
                      [](Bytes& f) { PutU32(f, kHeader + 8, 0xFFFFFFFFu); },
                      ReadOutcome::kBadFormat},
        MalformedCase{"one entry more than stored", [](Bytes& f) { PutU32(f, kHeader + 8, 4); },
                      ReadOutcome::kBadFormat},
        MalformedCase{"truncated inside the entries, trailer kept",
                      [](Bytes& f) {
                        Bytes trailer(f.end() - kTrailerSize, f.end());
                        f.resize(kSecondEntry + 100);
                        f.insert(f.end(), trailer.begin(), trailer.end());
                      },
                      ReadOutcome::kBadFormat}),
    [](const testing::TestParamInfo<MalformedCase>& param) {
      std::string name;
      for (const char* c = param.param.what; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      }
      return name;
    });

TEST(PackageReaderTest, OtherVersionReadsAsEmptyDirectory) {
  Bytes file = ThreeMembers();
  PutU32(file, kHeader + 4, 2);
  PackageDirectory directory;
  EXPECT_EQ(Read(file, directory), ReadOutcome::kOk);
  EXPECT_EQ(directory.Count(), 0u);
  EXPECT_EQ(directory.Version(), 2u);
  EXPECT_EQ(directory.Find("Settings.ini"), nullptr);

  // Only signature and version are read before giving up on a newer package,
  // so an eight-byte header just before the trailer is enough.
  Bytes shortHeader = test::FakeEngine(100);
  for (std::uint32_t value : {kPackageSignature, 2u, kPackageSignature, 100u}) {
    shortHeader.resize(shortHeader.size() + 4);
    PutU32(shortHeader, shortHeader.size() - 4, value);
  }
  EXPECT_EQ(Read(shortHeader, directory), ReadOutcome::kOk);
  EXPECT_EQ(directory.Count(), 0u);
}

TEST(PackageReaderTest, NameEndsAtTheFirstNul) {
  const Bytes file = test::RawPackage(
      test::FakeEngine(64),
      {{std::string("Settings.ini\0ings_from_an_older_longer_name.ini", 46), "[x]"}});
  PackageDirectory directory;
  ASSERT_EQ(Read(file, directory), ReadOutcome::kOk);
  ASSERT_EQ(directory.Count(), 1u);
  EXPECT_EQ(directory.At(0).name, "Settings.ini");
  EXPECT_EQ(directory.FindIndex("settings.ini"), 0);
}

TEST(PackageReaderTest, LookupIgnoresCaseAndTakesTheFirstMatch) {
  const Bytes file = test::RawPackage(test::FakeEngine(64), {{"Settings.ini", "[a]"},
                                                             {"Pics.cvn", "first"},
                                                             {"PICS.CVN", "second"},
                                                             {"pics.cvn", "third"}});
  PackageDirectory directory;
  ASSERT_EQ(Read(file, directory), ReadOutcome::kOk);
  const PackageEntry* pics = directory.Find("pics.cvn");
  ASSERT_NE(pics, nullptr);
  EXPECT_EQ(pics->name, "Pics.cvn");
  EXPECT_EQ(DataOf(file, *pics), "first");
  EXPECT_EQ(directory.FindIndex("PiCs.CvN"), 1);
  EXPECT_EQ(directory.FindIndex("pics.cv"), -1);
  EXPECT_EQ(directory.FindIndex("pics.cvnx"), -1);
  EXPECT_EQ(PackageDirectory().FindIndex("pics.cvn"), -1);
}

TEST(PackageReaderTest, UnsafeNamesKeepTheirPlaceButAreNeverFound) {
  const std::vector<std::string> unsafe = {
      "",        ".",          "..",        "..\\Windows\\win.ini", "C:autoexec.bat",
      "a/b.jpg", "sub\\b.jpg", "name..jpg", "\\\\server\\share",    "stream.txt:hidden"};
  std::vector<test::RawEntry> entries;
  for (const std::string& name : unsafe) entries.push_back({name, "evil"});
  entries.push_back({".hidden", "fine"});
  entries.push_back({"Pics.cvn", "fine"});
  const Bytes file = test::RawPackage(test::FakeEngine(64), entries);

  PackageDirectory directory;
  ASSERT_EQ(Read(file, directory), ReadOutcome::kOk);
  ASSERT_EQ(directory.Count(), unsafe.size() + 2);
  for (std::size_t i = 0; i < unsafe.size(); ++i) {
    SCOPED_TRACE(unsafe[i]);
    EXPECT_EQ(directory.At(i).name, unsafe[i]);
    EXPECT_FALSE(directory.At(i).nameIsSafe);
    EXPECT_EQ(directory.Find(unsafe[i]), nullptr);
  }
  EXPECT_EQ(directory.FindIndex(".hidden"), static_cast<int>(unsafe.size()));
  EXPECT_EQ(directory.FindIndex("pics.cvn"), static_cast<int>(unsafe.size() + 1));
}

TEST(PackageReaderTest, EntryDataOutsideTheSourceIsNotRead) {
  const Bytes file = ThreeMembers();
  MemoryByteSource source(file);
  char buffer[16];
  EXPECT_FALSE(ReadEntryData(source, {"x", 10, file.size() - 5, true}, buffer));
  EXPECT_FALSE(ReadEntryData(source, {"x", 16, ~std::uint64_t{0} - 4, true}, buffer));
  EXPECT_TRUE(ReadEntryData(source, {"x", 5, file.size() - 5, true}, buffer));
}

}  // namespace
}  // namespace lumi
