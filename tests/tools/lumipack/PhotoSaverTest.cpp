#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Lumipack.h"
#include "PhotoFolderFixture.h"
#include "PhotoSaver.h"
#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/MemberName.h"
#include "slideshow/engine/package/PackageReader.h"

#ifdef _WIN32
#include "slideshow/engine/collection/PictureCollection.h"
#endif

namespace lumipack {
namespace {

namespace fs = std::filesystem;
namespace img = lumi::imaging;
using test::Ini;
using test::ParseIni;
using test::ReadFile;
using test::Saver;

struct Decoded {
  int width = 0, height = 0, bits = 0;
  std::vector<std::uint8_t> dib;
  // Brightness of the pixel at (x, y) from the top, read through the colour table.
  int Grey(int x, int y) const {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::uint8_t* p = dib.data() + 40 + stride * (height - 1 - y) + 3 * x;
    return (p[0] + p[1] + p[2]) / 3;
  }
};

Decoded Decode(const std::string& bytes) {
  Decoded d;
  const int handle = img::ImgDecodeMemory(bytes.data(), bytes.size());
  EXPECT_GE(handle, 0);
  if (handle < 0) return d;
  EXPECT_EQ(img::ImgGetPackedDib(handle, d.dib, &d.width, &d.height, &d.bits), img::kImgOk);
  img::ImgFree(handle);
  return d;
}

class PhotoSaverTest : public test::PhotoFolderTest {};

TEST_F(PhotoSaverTest, PacksPhotosWithCollectionSettingsAndUprightThumbnails) {
  const auto before = Snapshot();
  const Run run = Build();
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.err,
            "lumipack: skipped cut short.jpg: not a readable JPEG (damaged or cut short)\n"
            "lumipack: skipped pretend.jpg: not a JPEG file\n");
  EXPECT_EQ(run.out, "lumipack: packed 3 photos into " + Out().string() +
                         "\nlumipack: ignored 1 file that is not a JPEG photo\n"
                         "lumipack: skipped 2 photos that could not be used (listed on the "
                         "error output)\n");
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(fs::exists(fs::path(Out()) += ".partial"));

  const Saver saver = ReadSaver();
  const std::vector<std::string> names = {"Settings.ini",
                                          "Pics.cvn",
                                          "IMG_2.jpg",
                                          "IMG_2.thu",
                                          "IMG_10-Lake_Shore.jpg",
                                          "IMG_10-Lake_Shore.thu",
                                          "portrait_on_its_side.jpg",
                                          "portrait_on_its_side.thu"};
  ASSERT_EQ(saver.Names(), names);
  EXPECT_EQ(saver.Member("IMG_2.jpg"), before.at("IMG_2.jpg"));
  EXPECT_EQ(saver.Member("IMG_10-Lake_Shore.jpg"), before.at("IMG_10-Lake_Shore.JPEG"));
  EXPECT_EQ(saver.Member("portrait_on_its_side.jpg"), before.at("portrait on its side.jpg"));

  const Ini settings = ParseIni(saver.Member("Settings.ini"));
  EXPECT_EQ(saver.Member("Settings.ini").substr(0, 1), "[");
  EXPECT_EQ(settings.at("General_Settings").at("Title"), "Coast Walk");
  EXPECT_EQ(settings.at("General_Settings").at("Display_Order"), "Random Order");
  EXPECT_EQ(settings.at("Messages").at("Count"), "0");
  EXPECT_EQ(settings.at("SPL_SSRun").at("FileCount"), "0");

  const Ini collection = ParseIni(saver.Member("Pics.cvn"));
  EXPECT_EQ(collection.at("General").at("Count"), "3");
  EXPECT_EQ(collection.at("General").at("Title"), "Coast Walk");
  const struct {
    const char* title;
    const char* stem;
    int width, height, thumbHeight;
  } pictures[] = {{"IMG 2", "IMG_2", 160, 120, 53},
                  {"IMG 10 Lake Shore", "IMG_10-Lake_Shore", 240, 80, 23},
                  {"portrait on its side", "portrait_on_its_side", 120, 160, 93}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(pictures[i].title);
    const auto& section = collection.at("Picture" + std::to_string(i + 1));
    EXPECT_EQ(section.at("Title"), pictures[i].title);
    EXPECT_EQ(section.at("Image"), std::string(pictures[i].stem) + ".jpg");
    EXPECT_EQ(section.at("Thumb"), std::string(pictures[i].stem) + ".thu");
    EXPECT_EQ(section.at("Media_Width"), std::to_string(pictures[i].width));
    EXPECT_EQ(section.at("Media_Height"), std::to_string(pictures[i].height));

    const std::string thumb = saver.Member(std::string(pictures[i].stem) + ".thu");
    ASSERT_GT(thumb.size(), 54u);
    EXPECT_EQ(thumb.substr(0, 2), "BM");
    // A palette bitmap, small like the samples' thumbnails.
    EXPECT_LE(static_cast<unsigned char>(thumb[28]), 8);
    const Decoded decoded = Decode(thumb);
    EXPECT_EQ(decoded.width, 70);
    EXPECT_EQ(decoded.height, pictures[i].thumbHeight);
  }
  // The camera stored the portrait lying on its side with its dark half on the
  // left; turned upright a quarter clockwise, the dark half is on top.
  const Decoded portrait = Decode(saver.Member("portrait_on_its_side.thu"));
  ASSERT_EQ(portrait.height, 93);
  EXPECT_LT(portrait.Grey(35, 10), 60);
  EXPECT_GT(portrait.Grey(35, 82), 200);

#ifdef _WIN32
  // The engine's own reader, on the collection file as the engine extracts it.
  const fs::path extracted = root_ / "Pics.cvn";
  std::ofstream(extracted, std::ios::binary) << saver.Member("Pics.cvn");
  lumi::CPictureCollection reader;
  ASSERT_TRUE(reader.Open(extracted.string()));
  EXPECT_EQ(reader.GetPictureCount(), 3);
  EXPECT_EQ(reader.GetTitle(), "Coast Walk");
  for (int i = 0; i < 3; ++i) {
    lumi::CPictureInfo info;
    ASSERT_TRUE(reader.LoadPicture(info, i));
    EXPECT_EQ(info.GetTitle(), pictures[i].title);
    EXPECT_EQ(info.GetImageRef(), std::string("@pk@") + pictures[i].stem + ".jpg");
    EXPECT_EQ(info.GetThumbRef(), std::string("@pk@") + pictures[i].stem + ".thu");
    EXPECT_EQ(info.GetImageType(), "JPG");
  }
#endif
}

TEST_F(PhotoSaverTest, RefusesFoldersWithoutAUsablePhotoAndLeavesNoSaver) {
  const struct {
    const char* what;
    std::vector<const char*> keep;  // files of the test folder left in place
    std::string err;                // expected error output
  } cases[] = {
      {"no JPEG at all", {"notes.txt"}, "lumipack: no JPEG photos in "},
      {"only broken ones",
       {"cut short.jpg", "pretend.jpg"},
       "lumipack: skipped cut short.jpg: not a readable JPEG (damaged or cut short)\n"
       "lumipack: skipped pretend.jpg: not a JPEG file\n"
       "lumipack: none of the 2 JPEG photos in "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    for (const auto& file : Snapshot()) {
      if (std::find(c.keep.begin(), c.keep.end(), file.first) == c.keep.end()) {
        fs::remove(Photos() / file.first);
      }
    }
    const Run run = Build();
    EXPECT_EQ(run.code, kExitFailed);
    EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(Out()));
    EXPECT_FALSE(fs::exists(fs::path(Out()) += ".partial"));
  }

  TearDown();
  SetUp();
  const auto before = Snapshot();
  std::ostringstream out, err;
  const int code = RunLumipack({"--engine", Engine().string(), "--out",
                                (Photos() / "inside.scr").string(), "--photos", Photos().string()},
                               out, err);
  EXPECT_EQ(code, kExitFailed);
  EXPECT_EQ(err.str().rfind("lumipack: output must not be inside the package folder", 0), 0u)
      << err.str();
  EXPECT_EQ(Snapshot(), before);

  fs::remove_all(Photos());
  const Run missing = Build();
  EXPECT_EQ(missing.code, kExitFailed);
  EXPECT_EQ(missing.err.rfind("lumipack: folder not found: ", 0), 0u) << missing.err;
}

TEST_F(PhotoSaverTest, OddAndClashingFileNamesGetDistinctSafeMembers) {
  const fs::path good = Photos() / "IMG_2.jpg";
  for (const auto& file : Snapshot()) {
    if (file.first != "IMG_2.jpg") fs::remove(Photos() / file.first);
  }
  fs::copy_file(good, Photos() / fs::path(u8"\u00C9t\u00E9 \u00E0 la mer (1).jpg"));
  fs::copy_file(good, Photos() / "IMG 2.jpeg");
#ifndef _WIN32
  // Only a file system that tells letter case apart can hold these side by side.
  fs::copy_file(good, Photos() / "img_2.JPG");
#endif
  const Run run = Build({});
  ASSERT_EQ(run.code, kExitOk) << run.err;

  const Saver saver = ReadSaver();
  const std::vector<std::string> names = saver.Names();
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_TRUE(lumi::IsSafeMemberName(names[i])) << names[i];
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(lumi::MemberNamesEqual(names[i], names[j])) << names[i] << " " << names[j];
    }
  }
  const Ini collection = ParseIni(saver.Member("Pics.cvn"));
  EXPECT_EQ(collection.at("General").at("Title"), "photos");  // the folder's name
  std::map<std::string, std::string> titleOfImage;
  const int count = std::stoi(collection.at("General").at("Count"));
  for (int i = 1; i <= count; ++i) {
    const auto& section = collection.at("Picture" + std::to_string(i));
    EXPECT_TRUE(saver.Member(section.at("Image")) == ReadFile(good)) << section.at("Image");
    EXPECT_NE(saver.Member(section.at("Thumb")), "");
    titleOfImage[section.at("Image")] = section.at("Title");
  }
  EXPECT_EQ(titleOfImage.at("_t_la_mer_1_.jpg"), "\xC9t\xE9 \xE0 la mer (1)");
  EXPECT_EQ(titleOfImage.at("IMG_2.jpg"), "IMG 2");
  EXPECT_EQ(titleOfImage.at("IMG_2_2.jpg"), "IMG 2");
#ifndef _WIN32
  EXPECT_EQ(titleOfImage.at("img_2_3.jpg"), "img 2");
#endif

  // The saver's title reaches the engine in its ANSI code page, whatever the
  // console's encoding.
#ifdef _WIN32
  const char* const title = "Caf\xE9 \x93noir\x94";
#else
  const char* const title = "Caf\xC3\xA9 \xE2\x80\x9Cnoir\xE2\x80\x9D";
#endif
  ASSERT_EQ(Build({"--title", title}).code, kExitOk);
  EXPECT_EQ(ParseIni(ReadSaver().Member("Settings.ini")).at("General_Settings").at("Title"),
            "Caf\xE9 \x93noir\x94");
}

TEST(ProgressMeterTest, RewritesOneLineOnATerminalAndLogsEveryFiftyOtherwise) {
  std::ostringstream terminal;
  ProgressMeter onTerminal(terminal, true);
  onTerminal.Start(3);
  for (int i = 1; i <= 3; ++i) onTerminal.Done(i);
  onTerminal.Finish();
  EXPECT_EQ(terminal.str(),
            "\rlumipack: reading photos 1/3\rlumipack: reading photos 2/3"
            "\rlumipack: reading photos 3/3\n");

  std::ostringstream log;
  ProgressMeter toLog(log, false);
  toLog.Start(120);
  for (int i = 1; i <= 120; ++i) toLog.Done(i);
  toLog.Finish();
  EXPECT_EQ(log.str(),
            "lumipack: read 50 of 120 photos\nlumipack: read 100 of 120 photos\n"
            "lumipack: read 120 of 120 photos\n");

  std::ostringstream small;
  ProgressMeter quiet(small, false);
  quiet.Start(3);
  for (int i = 1; i <= 3; ++i) quiet.Done(i);
  quiet.Finish();
  EXPECT_EQ(small.str(), "");
}

}  // namespace
}  // namespace lumipack
