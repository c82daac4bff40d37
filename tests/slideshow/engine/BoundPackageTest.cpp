// The engine's package reader on real files: errors and their messages,
// lookups, reads with their spare bytes, extraction into the temporary folder
// with reuse and clean-up, and a package written by the builder program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "slideshow/engine/BoundPackage.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageWriter.h"
#include "tests/support/Process.h"

namespace lumi {
namespace {

const std::string kProgram(4096, 'M');  // stands for the engine's own bytes

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string PackageBytes(const std::vector<PackageMember>& members) {
  std::ostringstream out;
  out << kProgram;
  std::string error;
  EXPECT_TRUE(WritePackage(out, kProgram.size(), members, &error)) << error;
  return out.str();
}

class BoundPackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    package = std::make_unique<CBoundPackage>();
    package->SetReporter([this](const std::string& text) { reports.push_back(text); });
    package->SetTempFolder(temp.Path());
  }
  std::string Saver(const std::string& bytes, const char* name = "saver.scr") {
    std::string path = files.File(name);
    WriteFile(path, bytes);
    return path;
  }

  zebtest::TempFolder files, temp;
  std::unique_ptr<CBoundPackage> package;
  std::vector<std::string> reports;
};

TEST_F(BoundPackageTest, EachBrokenFileGivesItsMessageThenTwoLineBreaksAndThePath) {
  std::string good = PackageBytes({{"Settings.ini", "[General_Settings]\r\n"}});
  std::string badHeader = good;
  badHeader[kProgram.size()] ^= 0x55;
  std::string badEntry = good;
  badEntry[kProgram.size() + kHeaderSize] ^= 0x55;
  struct Case {
    std::string bytes;
    const char* message;
  } cases[] = {
      {kProgram, "Not a bound EXE package."},  // its last 8 bytes are program bytes
      {"", "Not a bound EXE package."},        // shorter than the trailer
      {badHeader, "Bad package format while reading."},
      {badEntry, "Bad package format while reading."},
      {good.substr(0, good.size() - 30) + good.substr(good.size() - 8),
       "Bad package format while reading."},  // data cut short
  };
  for (const Case& c : cases) {
    reports.clear();
    std::string path = Saver(c.bytes);
    EXPECT_FALSE(package->Open(path));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::string(c.message) + "\n\n" + path);
    EXPECT_FALSE(package->IsOpen());
    EXPECT_EQ(package->EntryCount(), 0);
    EXPECT_TRUE(package->ExtractMember("Settings.ini").empty());
  }
  reports.clear();
  EXPECT_FALSE(package->Open(files.File("missing.scr")));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Package does not exist.\n\n" + files.File("missing.scr"));
}

TEST_F(BoundPackageTest, AnotherVersionOpensWithNoEntries) {
  std::string bytes = PackageBytes({{"Settings.ini", "x"}});
  bytes[kProgram.size() + 4] = 2;
  ASSERT_TRUE(package->Open(Saver(bytes)));
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(package->EntryCount(), 0);
  std::uint32_t size = 0;
  EXPECT_EQ(package->ReadMember("Settings.ini", &size), nullptr);
}

TEST_F(BoundPackageTest, ReadsAMemberWithSpareBytesAndFindsTheFirstOfDuplicates) {
  std::string big(20618, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + 3);
  ASSERT_TRUE(package->Open(Saver(
      PackageBytes({{"Settings.ini", "first"}, {"Pic01.jpg", big}, {"SETTINGS.INI", "second"}}))));
  EXPECT_EQ(package->EntryCount(), 3);
  std::uint32_t size = 0;
  auto data = package->ReadMember("pic01.JPG", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 20618u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data.get()), size), big);
  for (std::uint32_t i = 0; i < CBoundPackage::kSpareBytes; ++i) ASSERT_EQ(data[size + i], 0);
  auto first = package->ReadMember("settings.ini", &size);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(first.get()), size), "first");
  EXPECT_EQ(package->FindEntryIndex("Settings.INI"), 0);
  EXPECT_EQ(package->FindEntryIndex("nothing"), -1);
  EXPECT_EQ(package->ReadMember("Pic01.jpg", nullptr), nullptr) << "no output for the size";
}

TEST_F(BoundPackageTest, ExtractsUnderTheStoredNameOnceAndCleansUpAtTheEnd) {
  ASSERT_TRUE(package->Open(Saver(PackageBytes({{"Pics.cvn", "[General]\r\nCount=0\r\n"}}))));
  std::string path = package->ExtractMember("pics.cvn");
  EXPECT_EQ(path, temp.File("Pics.cvn"));
  EXPECT_EQ(Slurp(path), "[General]\r\nCount=0\r\n");
  // Changed on disk meanwhile: the second extraction reuses the file as it is.
  WriteFile(path, "changed");
  EXPECT_EQ(package->ExtractMember("PICS.CVN"), path);
  EXPECT_EQ(Slurp(path), "changed");
  EXPECT_TRUE(package->ExtractMember("absent.txt").empty());
  package.reset();
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "removed at the end";
}

TEST_F(BoundPackageTest, NamesThatReachOutsideTheTemporaryFolderAreMissing) {
  // Written by hand: the builder refuses such names.
  std::vector<PackageMember> members = {{"ok.txt", "fine"}};
  std::string bytes = PackageBytes(members);
  std::string evil = bytes;
  std::size_t nameAt = kProgram.size() + kHeaderSize + kEntryNameOffset;
  for (const char* name : {"..\\evil.txt", "C:evil.txt", "sub\\evil.txt", "/evil.txt", ".."}) {
    SCOPED_TRACE(name);
    std::string b = bytes;
    std::string field(kNameFieldSize, '\0');
    field.replace(0, std::strlen(name), name);
    b.replace(nameAt, kNameFieldSize, field);
    CBoundPackage p;
    p.SetReporter([](const std::string&) {});
    p.SetTempFolder(temp.Path());
    ASSERT_TRUE(p.Open(Saver(b, "evil.scr")));
    EXPECT_EQ(p.EntryCount(), 1);
    EXPECT_TRUE(p.ExtractMember(name).empty());
    EXPECT_TRUE(p.ExtractMember("evil.txt").empty());
  }
  EXPECT_EQ(GetFileAttributesA((files.Path() + "\\..\\evil.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BoundPackageTest, ReadsBackEveryMemberTheBuilderProgramWrote) {
  zebtest::TempFolder folder;
  std::vector<std::pair<std::string, std::string>> members = {
      {"Settings.ini", "[General_Settings]\r\nTitle=Round Trip\r\n"},
      {"Pics.cvn", "[General]\r\nCount=1\r\n[Picture1]\r\nImage=a.jpg\r\n"},
      {"a.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(30000, 'j')},
      {"song.rmi", "RIFF....RMID"}};
  for (auto& [name, bytes] : members) WriteFile(folder.File(name), bytes);
  std::string out = files.File("RoundTrip.scr");
  zebtest::Process builder;
  ASSERT_TRUE(builder.Start(zebtest::WindowsPath(LUMIPACK_EXE),
                            "--engine \"" + zebtest::WindowsPath(LUMISHOW_EXE) + "\" --out \"" +
                                out + "\" \"" + folder.Path() + "\""));
  ASSERT_TRUE(builder.WaitExit(30000));
  ASSERT_EQ(builder.ExitCode(), 0u);
  ASSERT_TRUE(package->Open(out));
  EXPECT_EQ(package->EntryCount(), 4);
  for (auto& [name, bytes] : members) {
    std::uint32_t size = 0;
    auto data = package->ReadMember(name, &size);
    ASSERT_NE(data, nullptr) << name;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data.get()), size), bytes) << name;
  }
  EXPECT_EQ(package->FindEntryIndex("settings.ini"), 0);
  EXPECT_EQ(package->FindEntryIndex("pics.cvn"), 1);
  // The engine's own bytes come first, untouched.
  EXPECT_EQ(Slurp(zebtest::WindowsPath(LUMISHOW_EXE)),
            Slurp(out).substr(0, Slurp(zebtest::WindowsPath(LUMISHOW_EXE)).size()));
}

}  // namespace
}  // namespace lumi
