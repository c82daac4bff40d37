// Checks the built program's pictures and sounds against the catalogue the
// actors rely on: sizes, depths, frame layout, mask agreement, wave formats.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstring>
#include <string>

#include "plantsaver/animation/SheetCatalogue.h"
#include "tests/support/Process.h"

namespace gulpleaf {
namespace {

class Program {
 public:
  Program() {
    module_ = LoadLibraryExA(zebtest::WindowsPath(GULPLEAF_SCR).c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
  }
  ~Program() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Module() const { return module_; }
  const BYTE* Resource(const char* type, const char* name, DWORD* size) const {
    HRSRC r = FindResourceA(module_, name, type);
    if (!r) return nullptr;
    *size = SizeofResource(module_, r);
    return static_cast<const BYTE*>(LockResource(LoadResource(module_, r)));
  }

 private:
  HMODULE module_ = nullptr;
};

// A packed DIB from a bitmap resource, read pixel by pixel (top row first).
struct Dib {
  const BITMAPINFOHEADER* header = nullptr;
  const RGBQUAD* palette = nullptr;
  const BYTE* bits = nullptr;
  int width = 0, height = 0, bpp = 0, stride = 0;

  explicit Dib(const BYTE* data) {
    if (!data) return;
    header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    width = header->biWidth;
    height = std::abs(header->biHeight);
    bpp = header->biBitCount;
    int colours = header->biClrUsed ? static_cast<int>(header->biClrUsed) : (bpp <= 8 ? 1 << bpp : 0);
    palette = reinterpret_cast<const RGBQUAD*>(data + header->biSize);
    bits = data + header->biSize + colours * sizeof(RGBQUAD);
    stride = ((width * bpp + 31) / 32) * 4;
  }
  int Index(int x, int y) const {
    int row = header->biHeight > 0 ? height - 1 - y : y;
    const BYTE* line = bits + static_cast<size_t>(row) * stride;
    if (bpp == 8) return line[x];
    return (line[x / 8] >> (7 - x % 8)) & 1;
  }
  bool Black(int x, int y) const {
    const RGBQUAD& c = palette[Index(x, y)];
    return c.rgbRed == 0 && c.rgbGreen == 0 && c.rgbBlue == 0;
  }
  bool White(int x, int y) const {
    const RGBQUAD& c = palette[Index(x, y)];
    return c.rgbRed == 255 && c.rgbGreen == 255 && c.rgbBlue == 255;
  }
};

class ResourceTest : public ::testing::Test {
 protected:
  Dib Sheet(gulpleaf::Sheet s) {
    DWORD size = 0;
    return Dib(program.Resource(MAKEINTRESOURCEA(2) /* RT_BITMAP */, Info(s).resourceName, &size));
  }
  // Counts sprite pixels that are not black where the mask lets the
  // background through (which would smear colour over whatever lies below).
  static int Leaks(const Dib& mask, int maskTop, const Dib& sprite, int spriteTop, int w, int h) {
    int leaks = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (mask.White(x, maskTop + y) && !sprite.Black(x, spriteTop + y)) ++leaks;
      }
    }
    return leaks;
  }
  Program program;
};

TEST_F(ResourceTest, EverySheetHasItsSizeDepthAndFrames) {
  ASSERT_NE(program.Module(), nullptr) << GULPLEAF_SCR;
  for (const SheetInfo& info : kSheets) {
    SCOPED_TRACE(info.resourceName);
    DWORD size = 0;
    Dib dib(program.Resource(MAKEINTRESOURCEA(2), info.resourceName, &size));
    ASSERT_NE(dib.header, nullptr);
    EXPECT_EQ(dib.width, info.width);
    EXPECT_EQ(dib.height, info.height);
    EXPECT_EQ(dib.bpp, info.bitsPerPixel);
    EXPECT_EQ(info.frameHeight * info.frames, info.height);
    EXPECT_LE(info.frameWidth, info.width);
    EXPECT_GE(size, dib.header->biSize + static_cast<DWORD>(dib.stride * dib.height));
  }
}

TEST_F(ResourceTest, PreviewPictureHoldsFourFrames) {
  DWORD size = 0;
  Dib dib(program.Resource(MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(kPreviewBitmapId), &size));
  ASSERT_NE(dib.header, nullptr);
  EXPECT_EQ(dib.width, kPreviewWidth);
  EXPECT_EQ(dib.height, kPreviewHeight);
  EXPECT_EQ(dib.bpp, 8);
  EXPECT_NE(FindResourceA(program.Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr)
      << "the program's first icon";
}

TEST_F(ResourceTest, SetupLogoIsAPictureOfItsSize) {
  DWORD size = 0;
  Dib dib(program.Resource(MAKEINTRESOURCEA(2), "SetupLogo", &size));
  ASSERT_NE(dib.header, nullptr);
  EXPECT_EQ(dib.width, 98);
  EXPECT_EQ(dib.height, 90);
  EXPECT_EQ(dib.bpp, 8);
  int drawn = 0;
  for (int y = 0; y < dib.height; ++y)
    for (int x = 0; x < dib.width; ++x) drawn += dib.Black(x, y) ? 0 : 1;
  EXPECT_GT(drawn, dib.width * dib.height / 5) << "the plant fills a good part of it";
}

TEST_F(ResourceTest, VersionResourceNamesTheProgram) {
  const std::string path = zebtest::WindowsPath(GULPLEAF_SCR);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  auto value = [&](const char* name) {
    char* text = nullptr;
    UINT length = 0;
    std::string key = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
      return std::string();
    return std::string(text);
  };
  EXPECT_EQ(value("OriginalFilename"), "gulpleafSaver.scr");
  EXPECT_EQ(value("ProductName"), "Gulpleaf Screen Saver");
  EXPECT_EQ(value("FileDescription"), "Zeb's Gulpleaf screen saver");
  EXPECT_EQ(value("FileVersion"), "1.0.0.1");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
}

TEST_F(ResourceTest, MaskedSpritesAreBlackWhereTheMaskShowsBackground) {
  struct Pair {
    gulpleaf::Sheet sprite, mask;
    int spriteFrames;
  } pairs[] = {
      {Sheet::KanGiess, Sheet::KanGiessMask, 5},
      {Sheet::KanBlinz, Sheet::KanBlinzMask, 2},  // one mask for both eye frames
      {Sheet::Fly, Sheet::FlyMask, 10},
  };
  for (const Pair& p : pairs) {
    const SheetInfo& info = Info(p.sprite);
    SCOPED_TRACE(info.resourceName);
    Dib sprite = Sheet(p.sprite);
    Dib mask = Sheet(p.mask);
    ASSERT_NE(sprite.header, nullptr);
    ASSERT_NE(mask.header, nullptr);
    int maskFrames = Info(p.mask).frames;
    for (int f = 0; f < p.spriteFrames; ++f) {
      int maskTop = (f % maskFrames) * info.frameHeight;
      EXPECT_EQ(Leaks(mask, maskTop, sprite, f * info.frameHeight, info.frameWidth,
                      info.frameHeight),
                0)
          << "frame " << f;
    }
  }
  Dib hals = Sheet(Sheet::Hals);
  ASSERT_NE(hals.header, nullptr);
  EXPECT_EQ(Leaks(hals, 0, hals, 16, 15, 16), 0) << "neck segment";
}

TEST_F(ResourceTest, MasksAreTwoColourAndNotEmpty) {
  for (gulpleaf::Sheet s : {Sheet::KanGiessMask, Sheet::KanBlinzMask, Sheet::FlyMask}) {
    Dib mask = Sheet(s);
    ASSERT_NE(mask.header, nullptr);
    int white = 0, black = 0;
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < mask.width; ++x) (mask.White(x, y) ? white : black) += 1;
    }
    EXPECT_GT(white, 0) << Info(s).resourceName;
    EXPECT_GT(black, 0) << Info(s).resourceName;
    EXPECT_EQ(white + black, mask.width * mask.height);
  }
}

TEST_F(ResourceTest, EveryWaveIsEightBitMonoAtTheTableLength) {
  for (const WaveInfo& w : kWaves) {
    SCOPED_TRACE("wave " + std::to_string(w.id));
    DWORD size = 0;
    const BYTE* data = program.Resource("WAVE", MAKEINTRESOURCEA(w.id), &size);
    ASSERT_NE(data, nullptr);
    ASSERT_GE(size, 44u);
    ASSERT_EQ(std::memcmp(data, "RIFF", 4), 0);
    ASSERT_EQ(std::memcmp(data + 8, "WAVE", 4), 0);
    // Walk the chunks: fmt first, then data (other chunks may stand between).
    const WAVEFORMATEX* fmt = nullptr;
    DWORD dataBytes = 0;
    for (DWORD pos = 12; pos + 8 <= size;) {
      DWORD chunk = *reinterpret_cast<const DWORD*>(data + pos + 4);
      if (std::memcmp(data + pos, "fmt ", 4) == 0) fmt = reinterpret_cast<const WAVEFORMATEX*>(data + pos + 8);
      if (std::memcmp(data + pos, "data", 4) == 0) dataBytes = chunk;
      pos += 8 + chunk + (chunk & 1);
    }
    ASSERT_NE(fmt, nullptr);
    EXPECT_EQ(fmt->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(fmt->nChannels, 1);
    EXPECT_EQ(fmt->wBitsPerSample, 8);
    EXPECT_EQ(fmt->nSamplesPerSec, 11025u);
    EXPECT_NEAR(dataBytes / 11025.0, w.seconds, 0.05);
  }
  DWORD size = 0;
  EXPECT_EQ(program.Resource("WAVE", MAKEINTRESOURCEA(5), &size), nullptr) << "no sound 5";
}

}  // namespace
}  // namespace gulpleaf
