#include <gtest/gtest.h>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/pipeline/SlideImage.h"
#include "tests/slideshow/pipeline/PipelineFixture.h"
#include "tests/support/GdiCount.h"
#include "tests/support/slideshow/TestBitmaps.h"

namespace lumi {
namespace {

using test::Rgb8;

constexpr Rgb8 kRed{200, 0, 0};
constexpr Rgb8 kBlue{0, 0, 200};

// Colour of a pixel of the image's packed bitmap (24-bit, bottom-up rows).
COLORREF DibPixel(CSlideImage& image, int x, int y) {
  HGLOBAL data = image.GetBitmapData();
  if (data == nullptr) return CLR_INVALID;
  const auto* dib = static_cast<const std::uint8_t*>(GlobalLock(data));
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
  const int stride = (header->biWidth * 3 + 3) / 4 * 4;
  const std::uint8_t* p = dib + header->biSize + stride * (header->biHeight - 1 - y) + 3 * x;
  const COLORREF colour = RGB(p[2], p[1], p[0]);
  GlobalUnlock(data);
  return colour;
}

class SlideImageTest : public testing::Test {
 protected:
  void SetUp() override { SetDisplayColourCountForTesting(1 << 24); }
  void TearDown() override {
    SetDisplayColourCountForTesting(0);
    EXPECT_EQ(ImagingLockCount(), 0);
  }
  static std::string HalfAndHalf(const char* name, int width, int height) {
    return test::WriteScratchFile(name, test::MakeBitmapFile(width, height, [width](int x, int) {
                                    return x < width / 2 ? kRed : kBlue;
                                  }));
  }
};

TEST_F(SlideImageTest, ReferencesNameAPackageMemberOnlyWithTheExactPrefix) {
  test::FakePackage package;
  package.Add("pic.bmp", test::SolidBitmapFile(30, 20, kRed));
  package.Add("", test::SolidBitmapFile(5, 5, kRed));  // never found: the reader has no such name
  // The same name as a file in the working folder, of another size.
  const std::string file =
      test::WriteScratchFile("@PK@pic.bmp", test::SolidBitmapFile(12, 8, kBlue));
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  SetCurrentDirectoryA(file.substr(0, file.rfind('\\')).c_str());

  struct Case {
    const char* reference;
    bool loads;
    int width;
    std::vector<std::string> asked;
  };
  test::FakePackage* source = &package;
  const Case cases[] = {
      {"@pk@pic.bmp", true, 30, {"pic.bmp"}},
      {"@PK@pic.bmp", true, 12, {}},
      {"@pk@missing", false, 0, {"missing"}},
      {"", false, 0, {}},
      {"@pk", false, 0, {}},  // a file path, and no such file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    package.asked.clear();
    CSlideImage image;
    EXPECT_EQ(image.Load(c.reference, source), c.loads);
    EXPECT_EQ(image.IsLoaded(), c.loads);
    EXPECT_EQ(image.Width(), c.width);
    EXPECT_EQ(package.asked, c.asked);
  }
  SetCurrentDirectoryA(folder);

  // The bare prefix names the member with the empty name, which the package
  // reader never holds.
  test::FakePackage empty;
  CSlideImage image;
  EXPECT_FALSE(image.Load("@pk@", &empty));
  EXPECT_EQ(empty.asked, std::vector<std::string>{""});
  EXPECT_FALSE(image.Load("@pk@pic.bmp", nullptr));
}

TEST_F(SlideImageTest, LoadsAJpegFileAndFreesEverything) {
  const int liveBefore = imaging::ImgLiveCount();
  CSlideImage image;
  ASSERT_TRUE(image.Load(PIPELINE_JPEG, nullptr));
  EXPECT_EQ(image.Width(), 47);
  EXPECT_EQ(image.Height(), 37);
  EXPECT_GE(image.LastStatus(), 0);
  EXPECT_EQ(imaging::ImgLiveCount(), liveBefore + 1);
  // Reloading frees the first picture.
  ASSERT_TRUE(image.Load(PIPELINE_JPEG, nullptr));
  EXPECT_EQ(imaging::ImgLiveCount(), liveBefore + 1);
  image.Free();
  EXPECT_EQ(image.Handle(), -1);
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(imaging::ImgLiveCount(), liveBefore);
  // A damaged file fails and leaves nothing behind.
  const std::string broken =
      test::WriteScratchFile("broken.bmp", std::vector<std::uint8_t>(60, 'B'));
  EXPECT_FALSE(image.Load(broken, nullptr));
  EXPECT_LT(image.LastStatus(), 0);
  EXPECT_EQ(imaging::ImgLiveCount(), liveBefore);
}

TEST_F(SlideImageTest, OverlayLandsTwentyPixelsInFromTheCorner) {
  const std::string picture =
      test::WriteScratchFile("overlay-base.bmp", test::SolidBitmapFile(1024, 672, kBlue));
  const std::string overlay =
      test::WriteScratchFile("overlay.bmp", test::SolidBitmapFile(168, 32, kRed));
  const struct {
    int corner;
    int x, y;
  } cases[] = {{kOverlayBottomRight, 836, 620}, {7, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.corner);
    CSlideImage image;
    ASSERT_TRUE(image.Load(picture, nullptr));
    const int oldHandle = image.Handle();
    ASSERT_TRUE(image.StampOverlay(overlay, c.corner));
    EXPECT_NE(image.Handle(), oldHandle);
    EXPECT_EQ(DibPixel(image, c.x, c.y), RGB(200, 0, 0));
    EXPECT_EQ(DibPixel(image, c.x + 167, c.y + 31), RGB(200, 0, 0));
    if (c.x > 0) {
      EXPECT_EQ(DibPixel(image, c.x - 1, c.y), RGB(0, 0, 200));
    }
    EXPECT_EQ(DibPixel(image, c.x + 168, c.y + 32), RGB(0, 0, 200));
  }
  CSlideImage image;
  ASSERT_TRUE(image.Load(picture, nullptr));
  const int liveBefore = imaging::ImgLiveCount();
  EXPECT_FALSE(image.StampOverlay("Z:\\no\\such\\overlay.bmp", kOverlayTopLeft));
  EXPECT_TRUE(image.IsLoaded());
  EXPECT_EQ(imaging::ImgLiveCount(), liveBefore);
}

TEST_F(SlideImageTest, DeviceBitmapPaletteComesFromTheBitmapHeader) {
  const std::string path = HalfAndHalf("palette.bmp", 40, 30);
  {
    // A 24-bit picture without a colour table: the even 256-colour spread.
    CSlideImage image;
    ASSERT_TRUE(image.Load(path, nullptr));
    ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
    ASSERT_NE(image.Palette(), nullptr);
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(GetPaletteEntries(image.Palette(), 0, 256, entries), 256u);
    EXPECT_EQ(entries[9].peRed, 32);
    EXPECT_EQ(entries[9].peGreen, 32);
    EXPECT_EQ(entries[9].peBlue, 0);
    EXPECT_EQ(entries[200].peRed, 0);
    EXPECT_EQ(entries[200].peGreen, 32);
    EXPECT_EQ(entries[200].peBlue, 192);
    EXPECT_EQ(entries[200].peFlags, 0);
    // Made once per picture.
    const HBITMAP first = image.Bitmap();
    ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
    EXPECT_EQ(image.Bitmap(), first);
  }
  {
    // Reduced to a colour table: the palette holds exactly its entries.
    CSlideImage image;
    ASSERT_TRUE(image.Load(path, nullptr));
    ASSERT_TRUE(image.ReduceColours());
    HGLOBAL data = image.GetBitmapData();
    ASSERT_NE(data, nullptr);
    const auto* dib = static_cast<const std::uint8_t*>(GlobalLock(data));
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib);
    const UINT colours = info->bmiHeader.biClrUsed;
    std::vector<RGBQUAD> table(info->bmiColors, info->bmiColors + colours);
    GlobalUnlock(data);
    ASSERT_GT(colours, 0u);
    ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
    std::vector<PALETTEENTRY> entries(colours + 1);
    ASSERT_EQ(GetPaletteEntries(image.Palette(), 0, colours + 1, entries.data()), colours);
    for (UINT i = 0; i < colours; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(entries[i].peRed, table[i].rgbRed);
      EXPECT_EQ(entries[i].peGreen, table[i].rgbGreen);
      EXPECT_EQ(entries[i].peBlue, table[i].rgbBlue);
    }
  }
}

TEST_F(SlideImageTest, DrawPlacesThePictureAtItsDestinationAndRestoresTheContext) {
  CSlideImage image;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 100, 80);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldCanvas = SelectObject(dc, canvas);
  RECT all{0, 0, 100, 80};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  EXPECT_FALSE(image.Draw(dc));
  ASSERT_TRUE(image.Load(HalfAndHalf("draw.bmp", 40, 30), nullptr));
  image.Centre(all);
  EXPECT_EQ(image.DestRect().left, 30);
  EXPECT_EQ(image.DestRect().top, 25);
  ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
  const HGDIOBJ paletteBefore = GetCurrentObject(dc, OBJ_PAL);
  ASSERT_TRUE(image.Draw(dc));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), paletteBefore);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), canvas);

  const struct {
    int x, y;
    COLORREF colour;
  } probes[] = {{30, 25, RGB(200, 0, 0)},     {49, 54, RGB(200, 0, 0)},
                {50, 25, RGB(0, 0, 200)},     {69, 54, RGB(0, 0, 200)},
                {29, 25, RGB(255, 255, 255)}, {70, 54, RGB(255, 255, 255)},
                {30, 24, RGB(255, 255, 255)}, {69, 55, RGB(255, 255, 255)}};
  for (const auto& p : probes) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour);
  }

  // While another context holds the picture's bitmap there is nothing to
  // copy from: drawing says so and leaves the canvas alone.
  HDC holder = CreateCompatibleDC(dc);
  const HGDIOBJ oldHeld = SelectObject(holder, image.Bitmap());
  ASSERT_NE(oldHeld, nullptr);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_FALSE(image.Draw(dc));
  EXPECT_EQ(GetPixel(dc, 30, 25), RGB(255, 255, 255));
  SelectObject(holder, oldHeld);
  DeleteDC(holder);
  SelectObject(dc, oldCanvas);
  DeleteDC(dc);
  DeleteObject(canvas);
}

// A saver loads pictures for hours; each one's bitmap and palette must go.
TEST_F(SlideImageTest, FreeingReleasesEveryGdiObject) {
  const std::string path = HalfAndHalf("leak.bmp", 16, 12);
  CSlideImage image;
  ASSERT_TRUE(image.Load(path, nullptr));
  ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
  const HBITMAP bitmap = image.Bitmap();
  const HPALETTE palette = image.Palette();
  image.Free();
  EXPECT_EQ(image.Bitmap(), nullptr);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(GetObjectType(palette), 0u);

  const DWORD before = zebtest::LiveGdiObjects();
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(image.Load(path, nullptr));
    ASSERT_TRUE(image.MakeDeviceBitmap(nullptr));
  }
  image.Free();
  EXPECT_EQ(zebtest::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace lumi
