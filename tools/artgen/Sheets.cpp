#include "Sheets.h"

#include <optional>
#include <utility>

#include "Bitmap.h"
#include "Can.h"
#include "Flies.h"
#include "Logo.h"
#include "Palette.h"
#include "Plant.h"
#include "Preview.h"
#include "plantsaver/animation/SheetCatalogue.h"
#include "plantsaver/setup/SetupLogo.h"

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

// A sheet the saver draws from: its name and geometry come from the saver's
// own catalogue, so that the pictures and the actors cannot disagree.
SheetLayout Catalogued(gulpleaf::Sheet sheet, SheetKind kind, FrameRenderer render, int ditherX = 0,
                       int ditherY = 0, std::optional<gulpleaf::Sheet> mask = std::nullopt) {
  const gulpleaf::SheetInfo& info = gulpleaf::Info(sheet);
  // The catalogue counts the mask of a mask-over-sprite sheet as a frame of
  // its own; the generator draws one sprite frame and derives the mask.
  const int frames = kind == SheetKind::MaskUpperHalf ? info.frames / 2 : info.frames;
  return {info.resourceName,
          mask ? gulpleaf::Info(*mask).resourceName : "",
          info.width,
          info.height,
          info.frameWidth,
          info.frameHeight,
          frames,
          kind,
          std::move(render),
          ditherX,
          ditherY};
}

}  // namespace

const std::vector<SheetLayout>& SheetTable() {
  using K = SheetKind;
  using gulpleaf::Sheet;
  static const std::vector<SheetLayout> table = {
      Catalogued(Sheet::PflanzHead, K::Opaque, DrawHeadFrame),
      Catalogued(Sheet::PflanzFuss, K::Opaque, DrawFootFrame),
      Catalogued(Sheet::HalsKraus, K::Opaque, [](Canvas& c, int) { DrawCollar(c); }),
      Catalogued(Sheet::Hals, K::MaskUpperHalf, [](Canvas& c, int) { DrawNeckSegment(c); }),
      Catalogued(Sheet::PflanzDuck, K::Opaque, DrawDuckFrame, 60, 30),
      Catalogued(Sheet::LookAug, K::Opaque, DrawLookFrame, 110, 55),
      Catalogued(Sheet::KanWalk, K::Opaque, DrawCanWalk),
      Catalogued(Sheet::KanFuss, K::Opaque, DrawCanLegs),
      Catalogued(Sheet::KanGiess, K::SeparateMask, DrawCanPour, 0, 0, Sheet::KanGiessMask),
      Catalogued(Sheet::KanBlinz, K::SharedMask, DrawCanStand, 0, 0, Sheet::KanBlinzMask),
      Catalogued(Sheet::KannTroet, K::Opaque, DrawCanTrumpet),
      Catalogued(Sheet::Fly, K::SeparateMask, DrawFly, 0, 0, Sheet::FlyMask),
      Catalogued(Sheet::FlyBig, K::Opaque, DrawBigFly),
      Catalogued(Sheet::Stachel, K::Opaque, DrawSting, 117, 121),
      {"preview", "", gulpleaf::kPreviewWidth, gulpleaf::kPreviewHeight,
       gulpleaf::kPreviewFrameWidth, gulpleaf::kPreviewFrameHeight, gulpleaf::kPreviewFrames,
       K::Opaque, DrawPreview},
      {gulpleaf::kSetupLogoName, "", gulpleaf::kSetupLogoWidth, gulpleaf::kSetupLogoHeight,
       gulpleaf::kSetupLogoWidth, gulpleaf::kSetupLogoHeight, 1, K::Opaque, DrawSetupLogo},
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
