#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "slideshow/engine/package/MemoryByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "tests/slideshow/package/PackageTestData.h"
#include "slideshow/engine/package/PackageWriter.h"

namespace lumi {
namespace {

using test::Bytes;

// The exact bytes matter to every saver already built, so they are spelled out
// here rather than only read back through our own reader.
TEST(PackageWriterTest, LaysDownHeaderEntryAndTrailerByteForByte) {
  const Bytes file = test::WrittenPackage(test::FakeEngine(4), {{"ab", "XYZ"}});
  Bytes expected = test::FakeEngine(4);
  const Bytes header = {0x0F, 0x0A, 0x79, 0x00, 1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0};
  expected.insert(expected.end(), header.begin(), header.end());
  const Bytes entryStart = {0x19, 0x70, 0x97, 0x00, 1, 0, 0, 0, 'a', 'b'};
  expected.insert(expected.end(), entryStart.begin(), entryStart.end());
  expected.resize(expected.size() + kNameFieldSize - 2, 0);
  const Bytes rest = {3, 0, 0, 0, 'X', 'Y', 'Z', 0x0F, 0x0A, 0x79, 0x00, 4, 0, 0, 0};
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_EQ(file, expected);
}

TEST(PackageWriterTest, RefusesNamesTheEngineCouldNotUseAndWritesNothing) {
  const struct {
    std::string name;
    bool accepted;
  } cases[] = {
      {"Settings.ini", true},
      {std::string(255, 'n'), true},
      {".profile", true},
      {"", false},
      {std::string(256, 'n'), false},
      {".", false},
      {"..", false},
      {"..\\win.ini", false},
      {"a..b", false},
      {"C:x.jpg", false},
      {"dir/x.jpg", false},
      {"dir\\x.jpg", false},
      {std::string("nul\0inside", 10), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PackageWriter::CheckName(c.name).empty(), c.accepted);
    std::ostringstream out;
    std::string error;
    EXPECT_EQ(WritePackage(out, 0, {{"Pics.cvn", "p"}, {c.name, "data"}}, &error), c.accepted);
    EXPECT_EQ(error.empty(), c.accepted);
    if (!c.accepted) {
      EXPECT_TRUE(out.str().empty());
    }
  }
}

// The builder announces sizes taken from the folder; a file that changes while
// it is copied must fail the build rather than leave a header that lies.
TEST(PackageWriterTest, HoldsCallersToTheAnnouncedMembers) {
  std::string bytes = "abcd";
  MemoryByteSource data({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
  std::ostringstream out;
  PackageWriter fewer(out, 0);
  ASSERT_TRUE(fewer.Begin(2, 8) && fewer.AddMember("a", data));
  EXPECT_FALSE(fewer.Finish());
  PackageWriter less(out, 0);
  ASSERT_TRUE(less.Begin(1, 5) && less.AddMember("a", data));
  EXPECT_FALSE(less.Finish());
  PackageWriter more(out, 0);
  ASSERT_TRUE(more.Begin(1, 3));
  EXPECT_FALSE(more.AddMember("a", data));
}

TEST(PackageWriterTest, ReportsAStreamThatFailsAsAFailure) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::string error;
  EXPECT_FALSE(WritePackage(out, 0, {{"Pics.cvn", "p"}}, &error));
  EXPECT_EQ(error, "cannot write the package");
}

TEST(PackageWriterTest, RefusesAnEngineBeyondTheTrailersReach) {
  std::ostringstream out;
  PackageWriter writer(out, std::uint64_t{1} << 32);
  EXPECT_FALSE(writer.Begin(0, 0));
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace lumi
