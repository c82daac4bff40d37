#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "SampleFolder.h"
#include "Thumbnail.h"

namespace samplegen {
namespace {

namespace fs = std::filesystem;

using Ini = std::map<std::string, std::map<std::string, std::string>>;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Sections and keys folded to lower case, as the platform matches them.
Ini ParseIni(const Bytes& data) {
  Ini ini;
  std::istringstream in(std::string(data.begin(), data.end()));
  std::string line, section;
  while (std::getline(in, line)) {
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "line without CRLF: " << line;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    EXPECT_LT(line.size(), 512u) << "the engine reads at most 511 characters: " << line;
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = Lower(line.substr(1, line.find(']') - 1));
      continue;
    }
    std::size_t eq = line.find('=');
    EXPECT_NE(eq, std::string::npos) << line;
    if (eq == std::string::npos) continue;
    ini[section][Lower(line.substr(0, eq))] = line.substr(eq + 1);
  }
  return ini;
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) |
         b[at + 3];
}
int Be16(const Bytes& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

// Walks the JPEG's marker segments to its frame header; only a baseline frame
// (SOF0) counts.
Size JpegSize(const Bytes& b) {
  std::size_t i = 2;
  while (i + 9 < b.size() && b[i] == 0xFF) {
    int marker = b[i + 1];
    if (marker == 0xC0) return {Be16(b, i + 7), Be16(b, i + 5)};
    if (marker == 0xDA) break;  // scan data before any frame header
    i += 2 + static_cast<std::size_t>(Be16(b, i + 2));
  }
  return {};
}

Size BmpSize(const Bytes& b) {
  return {static_cast<int>(Le32(b, 18)), static_cast<int>(Le32(b, 22))};
}

class SampleFolderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    members_ = new std::vector<Member>(BuildMembers());
    folder_ = new fs::path(
        fs::temp_directory_path() /
        ("samplegen_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())));
    fs::remove_all(*folder_);
    std::string error;
    ASSERT_TRUE(WriteSampleFolder(*folder_, *members_, error)) << error;
  }
  static void TearDownTestSuite() {
    fs::remove_all(*folder_);
    delete folder_;
    delete members_;
  }

  static Bytes Read(const std::string& name) {
    std::ifstream in(*folder_ / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static bool Exists(const std::string& name) { return fs::is_regular_file(*folder_ / name); }
  static Ini Settings() { return ParseIni(Read("Settings.ini")); }
  static Ini Collection() { return ParseIni(Read("Pics.cvn")); }

  static std::vector<Member>* members_;
  static fs::path* folder_;
};
std::vector<Member>* SampleFolderTest::members_ = nullptr;
fs::path* SampleFolderTest::folder_ = nullptr;

TEST_F(SampleFolderTest, FolderHoldsExactlyTheFilesTheIniFilesName) {
  std::set<std::string> named{"Settings.ini", "Pics.cvn"};
  Ini settings = Settings();
  for (const char* key : {"custom_graphic", "information_document"}) {
    named.insert(settings["general_settings"][key]);
  }
  for (const char* list : {"spl_appstartup", "spl_ssrun"}) {
    int count = std::stoi(settings[list]["filecount"]);
    EXPECT_GT(count, 0) << list;
    for (int n = 1; n <= count; ++n) named.insert(settings[list][std::to_string(n)]);
  }
  for (auto& [section, keys] : Collection()) {
    for (const char* key : {"image", "thumb", "graphic_name", "play_sound"}) {
      if (keys.count(key)) named.insert(keys[key]);
    }
  }
  std::set<std::string> present;
  for (const auto& entry : fs::directory_iterator(*folder_)) {
    present.insert(entry.path().filename().string());
  }
  EXPECT_EQ(named, present);
  for (const std::string& name : present) {
    EXPECT_LT(name.size(), 256u);
    EXPECT_EQ(name.find_first_of(":/\\"), std::string::npos) << name;
  }
}

TEST_F(SampleFolderTest, SettingsCarryTitleMessagesAndEveryAuthorKey) {
  Ini settings = Settings();
  auto& general = settings["general_settings"];
  EXPECT_EQ(general["title"], "Lumishow Sample Saver");
  for (const char* key : {"custom_heading", "custom_text", "information_hyperlink", "copyright",
                          "aboutboxtext", "display_order", "show_captions", "enlarge_image",
                          "tile_image", "use_effects", "message_showrandom", "message_frequency"}) {
    EXPECT_FALSE(general[key].empty()) << key;
  }
  int count = std::stoi(settings["messages"]["count"]);
  EXPECT_GE(count, 4);
  for (int i = 0; i < count; ++i) {
    EXPECT_FALSE(settings["messages"]["message " + std::to_string(i)].empty()) << i;
  }
}

TEST_F(SampleFolderTest, CollectionCountMatchesItsPictureSections) {
  Ini collection = Collection();
  int count = std::stoi(collection["general"]["count"]);
  EXPECT_GE(count, 10);
  EXPECT_EQ(collection.size(), static_cast<std::size_t>(count) + 1);
  std::set<std::string> positions, times;
  for (int n = 1; n <= count; ++n) {
    auto& picture = collection["picture" + std::to_string(n)];
    EXPECT_FALSE(picture["title"].empty()) << n;
    EXPECT_TRUE(Exists(picture["image"])) << picture["image"];
    EXPECT_TRUE(Exists(picture["thumb"])) << picture["thumb"];
    if (picture.count("graphic_position")) positions.insert(Lower(picture["graphic_position"]));
    if (picture.count("display_time")) times.insert(picture["display_time"]);
  }
  EXPECT_GE(positions.size(), 2u) << "overlays in different corners";
  EXPECT_TRUE(times.count("Default"));
}

// The engine reads a display time as seconds where a number, and the
// slideshow's own delay may be set no shorter than 5 s nor longer than 300 s.
TEST_F(SampleFolderTest, DisplayTimesAreDefaultOrWithinTheDelayRange) {
  for (auto& [section, keys] : Collection()) {
    if (!keys.count("display_time")) continue;
    const std::string& value = keys["display_time"];
    if (value == "Default") continue;
    int seconds = std::stoi(value);
    EXPECT_GE(seconds, 5) << section;
    EXPECT_LE(seconds, 300) << section;
  }
}

// An overlay is stamped 20 pixels in from the corner of the picture before it
// is enlarged, so it has to fit the picture with that margin on both sides.
TEST_F(SampleFolderTest, OverlaysFitTheirPicturesWithTheCornerMargin) {
  int overlays = 0;
  for (auto& [section, keys] : Collection()) {
    if (!keys.count("graphic_name")) continue;
    ++overlays;
    Bytes overlay = Read(keys["graphic_name"]);
    ASSERT_GE(overlay.size(), 54u);
    EXPECT_EQ(overlay[0], 'B');
    EXPECT_EQ(Le32(overlay, 2), overlay.size());
    Size size = BmpSize(overlay);
    EXPECT_LE(size.width + 40, std::stoi(keys["media_width"])) << section;
    EXPECT_LE(size.height + 40, std::stoi(keys["media_height"])) << section;
  }
  EXPECT_EQ(overlays, 2);
}

TEST_F(SampleFolderTest, PicturesAreWellFormedAndAsLargeAsDeclared) {
  Ini collection = Collection();
  int count = std::stoi(collection["general"]["count"]);
  std::set<std::pair<int, int>> sizes;
  for (int n = 1; n <= count; ++n) {
    auto& picture = collection["picture" + std::to_string(n)];
    Bytes image = Read(picture["image"]);
    ASSERT_GE(image.size(), 64u) << picture["image"];
    Size declared{std::stoi(picture["media_width"]), std::stoi(picture["media_height"])};
    Size actual;
    if (image[0] == 'B' && image[1] == 'M') {
      EXPECT_EQ(Le32(image, 2), image.size());
      EXPECT_EQ(image[28], 24);
      actual = BmpSize(image);
    } else {
      EXPECT_EQ(image[0], 0xFF);
      EXPECT_EQ(image[1], 0xD8);
      EXPECT_EQ(image[image.size() - 2], 0xFF);
      EXPECT_EQ(image[image.size() - 1], 0xD9);
      actual = JpegSize(image);
    }
    EXPECT_EQ(actual, declared) << picture["image"];
    sizes.insert({declared.width, declared.height});

    Bytes thumb = Read(picture["thumb"]);
    ASSERT_GE(thumb.size(), 54u + 1024u);
    EXPECT_EQ(thumb[0], 'B');
    EXPECT_EQ(thumb[28], 8) << "thumbnails are 8-bit";
    EXPECT_EQ(Le32(thumb, 46), 256u);
    Size thumbSize = BmpSize(thumb);
    EXPECT_EQ(thumbSize.width, 70);
    EXPECT_EQ(thumbSize.height, ThumbnailHeight(declared.width, declared.height));
    EXPECT_EQ(thumb.size(), 1078u + ((70u + 3) & ~3u) * static_cast<unsigned>(thumbSize.height));
  }
  EXPECT_GE(sizes.size(), 8u) << "mixed sizes and shapes";
}

// Seconds of music in a format 1 file: the longest track at the file's tempo.
double CheckMidi(const Bytes& smf) {
  EXPECT_EQ(std::string(smf.begin(), smf.begin() + 4), "MThd");
  EXPECT_EQ(Be32(smf, 4), 6u);
  EXPECT_EQ(Be16(smf, 8), 1);
  int tracks = Be16(smf, 10), division = Be16(smf, 12);
  std::size_t at = 14;
  long longest = 0, tempo = 500000;
  for (int t = 0; t < tracks; ++t) {
    EXPECT_EQ(std::string(smf.begin() + at, smf.begin() + at + 4), "MTrk");
    std::size_t end = at + 8 + Be32(smf, at + 4);
    EXPECT_LE(end, smf.size());
    std::size_t i = at + 8;
    long tick = 0;
    bool ended = false;
    while (i < end && !ended) {
      long delta = 0;
      do delta = (delta << 7) | (smf[i] & 0x7F);
      while (smf[i++] & 0x80);
      tick += delta;
      int status = smf[i++];
      EXPECT_GE(status, 0x80) << "every event carries its status byte";
      if (status == 0xFF) {
        int type = smf[i], length = smf[i + 1];
        if (type == 0x51) tempo = (smf[i + 2] << 16) | (smf[i + 3] << 8) | smf[i + 4];
        ended = type == 0x2F;
        i += 2 + static_cast<std::size_t>(length);
      } else {
        i += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      }
    }
    EXPECT_TRUE(ended) << "track " << t << " lacks its end-of-track event";
    EXPECT_EQ(i, end) << "track " << t << " length disagrees with its events";
    longest = std::max(longest, tick);
    at = end;
  }
  EXPECT_EQ(at, smf.size());
  return static_cast<double>(longest) * tempo / division / 1e6;
}

TEST_F(SampleFolderTest, SongsAreRiffMidiOfTwentyToFortySeconds) {
  for (const char* list : {"spl_appstartup", "spl_ssrun"}) {
    Ini settings = Settings();
    for (int n = 1; n <= std::stoi(settings[list]["filecount"]); ++n) {
      std::string name = settings[list][std::to_string(n)];
      SCOPED_TRACE(name);
      Bytes rmi = Read(name);
      ASSERT_GE(rmi.size(), 40u);
      EXPECT_EQ(std::string(rmi.begin(), rmi.begin() + 4), "RIFF");
      EXPECT_EQ(Le32(rmi, 4), rmi.size() - 8);
      EXPECT_EQ(std::string(rmi.begin() + 8, rmi.begin() + 16), "RMIDdata");
      Bytes smf(rmi.begin() + 20, rmi.begin() + 20 + Le32(rmi, 16));
      double seconds = CheckMidi(smf);
      EXPECT_GE(seconds, 20);
      EXPECT_LE(seconds, 40);
    }
  }
}

TEST_F(SampleFolderTest, EveryRunProducesTheSameBytes) {
  std::vector<Member> again = BuildMembers();
  ASSERT_EQ(again.size(), members_->size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(again[i].name, (*members_)[i].name);
    EXPECT_TRUE(again[i].data == (*members_)[i].data) << again[i].name;
  }
}

TEST_F(SampleFolderTest, RewritesItsOwnFolderButRefusesOneWithOtherFiles) {
  std::string error;
  EXPECT_TRUE(WriteSampleFolder(*folder_, *members_, error)) << error;

  fs::path other = *folder_ / "holiday.jpg";
  std::ofstream(other) << "x";
  fs::remove(*folder_ / "ReadMe.txt");
  EXPECT_FALSE(WriteSampleFolder(*folder_, *members_, error));
  EXPECT_NE(error.find("holiday.jpg"), std::string::npos) << error;
  EXPECT_FALSE(Exists("ReadMe.txt")) << "nothing may be written into a refused folder";
  fs::remove(other);
  EXPECT_TRUE(WriteSampleFolder(*folder_, *members_, error)) << error;
}

}  // namespace
}  // namespace samplegen
