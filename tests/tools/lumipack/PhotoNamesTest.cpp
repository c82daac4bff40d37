#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PhotoNames.h"
#include "PhotoThumbnail.h"
#include "slideshow/engine/package/MemberName.h"

namespace lumipack {
namespace {

TEST(PhotoNamesTest, TitlesComeFromTheFileNameWithoutItsSeparators) {
  const struct {
    const char* fileName;
    const char* title;
  } cases[] = {
      {"IMG_0042.JPG", "IMG 0042"},
      {"Lake_Shore-at--dawn.jpeg", "Lake Shore at dawn"},
      {"  __spaced  out__ .jpg", "spaced out"},
      {"two.dots.in.name.jpg", "two.dots.in.name"},
      {"no extension", "no extension"},
      {"line\nbreak\t.jpg", "line break"},
      {"___.jpg", ""},
      {"Caf\xC3\xA9 \xE2\x80\x9Cnoir\xE2\x80\x9D.jpg", "Caf\xE9 \x93noir\x94"},
      {"\xE6\x97\xA5\xE6\x9C\xAC.jpg", "??"},
      {"Latin1 \xE9t\xE9.jpg", "Latin1 \xE9t\xE9"},  // not UTF-8: kept as it is
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName);
    EXPECT_EQ(TitleFromFileName(c.fileName), c.title);
  }
}

TEST(PhotoNamesTest, NaturalOrderCountsDigitRunsAndIgnoresCase) {
  std::vector<std::string> names = {"img_10.jpg",  "IMG_2.jpg", "IMG_1.jpg", "Beach.jpg",
                                    "img_002.jpg", "IMG_2.jpg", "b.jpg",     "IMG_100.jpg",
                                    "IMG_9a.jpg",  "IMG_9.jpg"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
  const std::vector<std::string> expected = {"b.jpg",      "Beach.jpg",   "IMG_1.jpg", "IMG_2.jpg",
                                             "IMG_2.jpg",  "img_002.jpg", "IMG_9.jpg", "IMG_9a.jpg",
                                             "img_10.jpg", "IMG_100.jpg"};
  EXPECT_EQ(names, expected);
  EXPECT_FALSE(NaturalLess("IMG_2.jpg", "IMG_2.jpg"));
}

TEST(PhotoNamesTest, MemberStemsAreSafePlainAsciiNames) {
  const struct {
    const char* fileName;
    const char* stem;
  } cases[] = {
      {"IMG_2.JPG", "IMG_2"},
      {"Lake Shore (1).jpg", "Lake_Shore_1_"},
      {"..\\..\\evil.jpg", "_evil"},
      {"c:x.jpg", "c_x"},
      {"a..b.jpg", "a_b"},
      {"\xC3\x89t\xC3\xA9.jpg", "_t_"},
      {".jpg", "Photo"},
      {"!!!.jpg", "_"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName);
    const std::string stem = MemberStem(c.fileName);
    EXPECT_EQ(stem, c.stem);
    EXPECT_TRUE(lumi::IsSafeMemberName(stem + ".thu"));
  }
  EXPECT_EQ(MemberStem(std::string(300, 'x') + ".jpg"), std::string(48, 'x'));
}

TEST(PhotoNamesTest, RecognisesJpegExtensions) {
  for (const char* name : {"a.jpg", "a.JPEG", "a.Jpe", "x.y.jpg"})
    EXPECT_TRUE(HasJpegExtension(name)) << name;
  for (const char* name : {"a.png", "a.jpg.txt", ".jpg", "jpg", "a.jpgx"}) {
    EXPECT_FALSE(HasJpegExtension(name)) << name;
  }
}

TEST(PhotoNamesTest, ThumbnailsAreSeventyWideInTheirPicturesProportions) {
  EXPECT_EQ(ThumbnailHeight(160, 120), 53);  // 52.5 rounds up
  EXPECT_EQ(ThumbnailHeight(120, 160), 93);
  EXPECT_EQ(ThumbnailHeight(4000, 10), 1);  // never empty
  EXPECT_EQ(ThumbnailHeight(70, 70), 70);
  EXPECT_EQ(ThumbnailHeight(0, 10), 1);
}

}  // namespace
}  // namespace lumipack
