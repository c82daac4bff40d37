#include "Sheets.h"

#include "Bitmap.h"
#include "Can.h"
#include "Flies.h"
#include "Palette.h"
#include "Plant.h"
#include "Preview.h"

namespace artgen {

namespace {

constexpr uint8_t kBlack = 0;
constexpr uint8_t kWhite = kRampLength;  // last entry of the neutral ramp

FrameImage RenderFrame(const SheetLayout& s, int frame) {
  Canvas canvas(s.frameWidth, s.frameHeight);
  s.render(canvas, frame);
  return canvas.Resolve();
}

uint8_t ToIndex(const Quantiser& q, const Rgba& px, int x, int y) {
  if (px.a < 1.0f / 512) return kBlack;
  return q.Index(px.rgb, x, y, true);
}

void PutFrame(const SheetLayout& s, const Quantiser& q, const FrameImage& f, IndexedImage& sheet,
              int top, const std::vector<bool>* background) {
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      bool bg = background && (*background)[static_cast<size_t>(y) * f.width + x];
      sheet.At(x, top + y) = bg ? kBlack : ToIndex(q, f.At(x, y), x + s.ditherX, y + s.ditherY);
    }
  }
}

std::vector<bool> Background(const FrameImage& f) {
  std::vector<bool> bg(f.pixels.size());
  for (size_t i = 0; i < f.pixels.size(); ++i) bg[i] = f.pixels[i].a < kMaskCoverage;
  return bg;
}

void AddFiles(const SheetLayout& s, const Quantiser& q, std::vector<OutputFile>& out) {
  IndexedImage sheet{s.width, s.height,
                     std::vector<uint8_t>(static_cast<size_t>(s.width) * s.height)};
  const PaletteTable& pal = ScenePalette();
  switch (s.kind) {
    case SheetKind::Opaque:
      for (int n = 0; n < s.frames; ++n)
        PutFrame(s, q, RenderFrame(s, n), sheet, n * s.frameHeight, nullptr);
      break;
    case SheetKind::SeparateMask: {
      MaskImage mask{s.width, s.height, std::vector<bool>(sheet.pixels.size(), true)};
      for (int n = 0; n < s.frames; ++n) {
        FrameImage f = RenderFrame(s, n);
        std::vector<bool> bg = Background(f);
        PutFrame(s, q, f, sheet, n * s.frameHeight, &bg);
        for (int y = 0; y < f.height; ++y)
          for (int x = 0; x < f.width; ++x)
            mask.background[static_cast<size_t>(n * s.frameHeight + y) * s.width + x] =
                bg[static_cast<size_t>(y) * f.width + x];
      }
      out.push_back({s.maskName + ".bmp", EncodeBmp1(mask)});
      break;
    }
    case SheetKind::SharedMask: {
      std::vector<FrameImage> frames;
      std::vector<bool> bg;
      for (int n = 0; n < s.frames; ++n) {
        frames.push_back(RenderFrame(s, n));
        std::vector<bool> own = Background(frames.back());
        if (bg.empty()) bg = own;
        for (size_t i = 0; i < bg.size(); ++i) bg[i] = bg[i] && own[i];
      }
      for (int n = 0; n < s.frames; ++n) PutFrame(s, q, frames[n], sheet, n * s.frameHeight, &bg);
      out.push_back({s.maskName + ".bmp", EncodeBmp1({s.frameWidth, s.frameHeight, bg})});
      break;
    }
    case SheetKind::MaskUpperHalf: {
      FrameImage f = RenderFrame(s, 0);
      std::vector<bool> bg = Background(f);
      for (int y = 0; y < s.frameHeight; ++y)
        for (int x = 0; x < s.frameWidth; ++x)
          sheet.At(x, y) = bg[static_cast<size_t>(y) * s.frameWidth + x] ? kWhite : kBlack;
      PutFrame(s, q, f, sheet, s.frameHeight, &bg);
      break;
    }
  }
  out.push_back({s.name + ".bmp", EncodeBmp8(sheet, pal)});
}

}  // namespace

const std::vector<SheetLayout>& SheetTable() {
  using K = SheetKind;
  static const std::vector<SheetLayout> table = {
      {"ImgPflanzHead", "", 225, 2464, 225, 154, 16, K::Opaque, DrawHeadFrame},
      {"ImgPflanzFuss", "", 151, 990, 151, 99, 10, K::Opaque, DrawFootFrame},
      {"ImgHalsKraus", "", 41, 19, 41, 19, 1, K::Opaque, [](Canvas& c, int) { DrawCollar(c); }},
      {"ImgHals", "", 15, 32, 15, 16, 1, K::MaskUpperHalf,
       [](Canvas& c, int) { DrawNeckSegment(c); }},
      {"ImgPflanzDuck", "", 155, 1980, 155, 220, 9, K::Opaque, DrawDuckFrame, 60, 30},
      {"ImgLookAug", "", 61, 363, 61, 33, 11, K::Opaque, DrawLookFrame, 110, 55},
      {"ImgKanWalk", "", 222, 2100, 222, 210, 10, K::Opaque, DrawCanWalk},
      {"ImgKanFuss", "", 161, 388, 161, 194, 2, K::Opaque, DrawCanLegs},
      {"ImgKanGiess", "ImgKanGiessMask", 243, 885, 243, 177, 5, K::SeparateMask, DrawCanPour},
      {"ImgKanBlinz", "ImgKanBlinzMask", 222, 324, 222, 162, 2, K::SharedMask, DrawCanStand},
      {"ImgKannTroet", "", 211, 320, 210, 160, 2, K::Opaque, DrawCanTrumpet},
      {"ImgFly", "ImgFlyMask", 60, 370, 60, 37, 10, K::SeparateMask, DrawFly},
      {"ImgFlyBig", "", 200, 600, 200, 150, 4, K::Opaque, DrawBigFly},
      {"ImgStachel", "", 80, 104, 80, 26, 4, K::Opaque, DrawSting, 117, 121},
      {"preview", "", 120, 356, 120, 89, 4, K::Opaque, DrawPreview},
  };
  return table;
}

std::vector<OutputFile> BuildAllFiles() {
  static const Quantiser quantiser;
  std::vector<OutputFile> out;
  for (const SheetLayout& s : SheetTable()) AddFiles(s, quantiser, out);
  out.push_back({"gulpleaf.ico", EncodeIco({RenderIcon(32), RenderIcon(16)})});
  return out;
}

}  // namespace artgen
