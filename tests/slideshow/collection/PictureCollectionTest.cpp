#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "slideshow/engine/collection/CollectionList.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi {
namespace {

TEST(PictureRulesTest, ImageTypeFolderAndOverlayCorner) {
  const struct {
    const char* name;
    const char* type;
  } types[] = {{"Sunset.jpeg", "JPEG"}, {"Logo.Bmp", "BMP"}, {"a.b.jpg", "JPG"},
               {"noextension", ""},     {".jpg", ""},        {"trailing.", ""}};
  for (const auto& c : types) EXPECT_EQ(ImageTypeOf(c.name), c.type) << c.name;

  EXPECT_EQ(FolderPart("C:\\Temp\\Pics.cvn"), "C:\\Temp\\");
  EXPECT_EQ(FolderPart("Pics.cvn"), "");

  const struct {
    const char* text;
    int position;
  } corners[] = {{"TOP LEFT", kOverlayTopLeft},       {"Top Right", kOverlayTopRight},
                 {"bottom left", kOverlayBottomLeft}, {"Centre", kOverlayBottomRight},
                 {"", kOverlayBottomRight},           {"Top  Left", kOverlayBottomRight}};
  for (const auto& c : corners) EXPECT_EQ(OverlayPositionFromText(c.text), c.position) << c.text;
}

class PictureCollectionTest : public ::testing::Test {
 protected:
  CPictureCollection& Open(const std::string& text) {
    EXPECT_TRUE(collection_.Open(folder_.Write(text)));
    return collection_;
  }
  test::TempFolder folder_;
  CPictureCollection collection_;
};

TEST_F(PictureCollectionTest, APictureSectionBecomesARecord) {
  CPictureCollection& c = Open(
      "[General]\nCount=2\nTitle=Coast\n"
      "[Picture1]\nTitle=Dusk\nImage=Sunset.jpeg\nThumb=t1.bmp\nCopyright=(c) Me\nText=Late\n"
      "Display_Time=Default\nGraphic_Name=sig.bmp\nGraphic_Position=bottom left\n"
      "Play_Sound=waves.mid\nRepeat_Sound=1\n"
      "[picture2]\nDisplay_Time=45\nThumb=t2.bmp\n");
  EXPECT_EQ(c.GetTitle(), "Coast");
  CPictureInfo info;
  ASSERT_TRUE(c.LoadPicture(info, 0));
  EXPECT_EQ(info.GetTitle() + "|" + info.GetText() + "|" + info.GetCopyright(), "Dusk|Late|(c) Me");
  EXPECT_EQ(info.GetImageRef(), "@pk@Sunset.jpeg");
  EXPECT_EQ(info.GetThumbRef(), "@pk@t1.bmp");
  EXPECT_EQ(info.GetFolder(), folder_.Path(""));
  EXPECT_EQ(info.GetImageType(), "JPEG");
  EXPECT_EQ(info.GetGraphicName() + "|" + info.GetSoundName(), "sig.bmp|waves.mid");
  EXPECT_EQ(info.GetGraphicPosition(), kOverlayBottomLeft);
  EXPECT_EQ(info.GetDisplayTime(), 0);
  EXPECT_EQ(info.GetRepeatSound(), 1);
  EXPECT_EQ(info.GetCollection(), &c);

  // A thumbnail alone is enough; what the section leaves out is reset.
  ASSERT_TRUE(c.LoadPicture(info, 1));
  EXPECT_EQ(info.GetTitle() + info.GetImageRef() + info.GetImageType() + info.GetSoundName(), "");
  EXPECT_EQ(info.GetDisplayTime(), 45);
  EXPECT_EQ(info.GetGraphicPosition(), kOverlayBottomRight);
  EXPECT_EQ(info.GetIndex(), 1);
}

TEST_F(PictureCollectionTest, OnlyIndexesBelowTheCountLoad) {
  // Every section but the fourth has an image or a thumbnail, so only the
  // count and the index decide, apart from the last row. Out of range, the
  // record is left untouched.
  const struct {
    const char* general;
    int index;
    bool loads, filled;
  } cases[] = {{"Title=No count", 0, false, false}, {"Count=2", -1, false, false},
               {"Count=2", 2, false, false},        {"Count=-1", 0, false, false},
               {"Count=3", 2, true, true},          {"Count=4", 3, false, true}};
  for (const auto& c : cases) {
    CPictureCollection collection;
    ASSERT_TRUE(collection.Open(folder_.Write(std::string("[General]\n") + c.general +
                                              "\n[Picture1]\nImage=a.jpg\n[Picture2]\nImage=b.jpg\n"
                                              "[Picture3]\nThumb=c.bmp\n[Picture4]\nTitle=T\n")));
    CPictureInfo info;
    EXPECT_EQ(collection.LoadPicture(info, c.index), c.loads) << c.general << " @" << c.index;
    EXPECT_EQ(info.GetCollection() != nullptr, c.filled) << c.general << " @" << c.index;
  }
}

TEST_F(PictureCollectionTest, ActiveAndRemovedFlags) {
  const struct {
    const char* active;
    bool isActive;
  } cases[] = {{"", true}, {"Active=5", true}, {"Active=0", false}, {"Active=-1", false}};
  for (const auto& c : cases) {
    CPictureCollection collection;
    ASSERT_TRUE(collection.Open(folder_.Write(std::string("[General]\n") + c.active + "\n")));
    EXPECT_EQ(collection.IsActive(), c.isActive) << c.active;
  }
  CPictureCollection& c =
      Open("[General]\nCount=2\n[Picture1]\nImage=a.jpg\nIsRemoved=3\n[Picture2]\nImage=b.jpg\n");
  CPictureInfo info;
  EXPECT_FALSE(info.IsRemoved());
  ASSERT_TRUE(c.LoadPicture(info, 0));
  EXPECT_TRUE(info.IsRemoved());
  EXPECT_FALSE(c.IsRemoved(1));
}

TEST_F(PictureCollectionTest, PicturesAreReadWhenAskedFor) {
  const std::string path = folder_.Write("[General]\nCount=1\nTitle=Old\n");
  ASSERT_TRUE(collection_.Open(path));
  WritePrivateProfileStringA("General", "Count", "2", path.c_str());
  WritePrivateProfileStringA("Picture2", "Image", "b.bmp", path.c_str());
  EXPECT_EQ(collection_.GetCountAtOpen(), 1);
  CPictureInfo info;
  ASSERT_TRUE(collection_.LoadPicture(info, 1));
  EXPECT_EQ(info.GetImageType(), "BMP");
}

TEST_F(PictureCollectionTest, TheListNumbersCollectionsInTheOrderAdded) {
  CCollectionList list;
  EXPECT_FALSE(list.Add(""));
  EXPECT_FALSE(list.Add(folder_.Path("missing.cvn")));
  EXPECT_FALSE(list.Add(folder_.Path("")));  // a folder is not a collection file
  ASSERT_TRUE(list.Add(folder_.Write("[General]\nTitle=One\n")));
  ASSERT_TRUE(list.Add(folder_.Write("[General]\nTitle=Two\n")));
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetAt(1)->GetTitle(), "Two");
  EXPECT_EQ(list.GetAt(1)->GetNumber(), 1);
  EXPECT_EQ(list.GetAt(2), nullptr);
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
}  // namespace lumi
