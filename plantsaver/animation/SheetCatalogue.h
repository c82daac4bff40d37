#pragma once
// The plant saver's pictures and sounds: names, geometry, frame layout and
// drawing mode of every sprite sheet, and the wave resources with their
// lengths. The actors rely on these numbers; the resource test checks the
// built program against them.
#include <cstddef>

namespace gulpleaf {

enum class Sheet : std::size_t {
  PflanzHead,
  PflanzFuss,
  HalsKraus,
  Hals,
  PflanzDuck,
  LookAug,
  KanWalk,
  KanFuss,
  KanGiess,
  KanGiessMask,
  KanBlinz,
  KanBlinzMask,
  KannTroet,
  Fly,
  FlyMask,
  FlyBig,
  Stachel,
  Count
};
constexpr std::size_t kSheetCount = static_cast<std::size_t>(Sheet::Count);

enum class DrawMode { Opaque, Masked, Mask };

struct SheetInfo {
  const char* resourceName;  // the component name, used as the resource name
  int width, height;         // whole sheet
  int frameWidth, frameHeight;
  int frames;
  int bitsPerPixel;
  DrawMode mode;
};

constexpr SheetInfo kSheets[kSheetCount] = {
    {"ImgPflanzHead", 225, 2464, 225, 154, 16, 8, DrawMode::Opaque},
    {"ImgPflanzFuss", 151, 990, 151, 99, 10, 8, DrawMode::Opaque},
    {"ImgHalsKraus", 41, 19, 41, 19, 1, 8, DrawMode::Opaque},
    // Mask in rows 0-15, sprite in rows 16-31.
    {"ImgHals", 15, 32, 15, 16, 2, 8, DrawMode::Masked},
    {"ImgPflanzDuck", 155, 1980, 155, 220, 9, 8, DrawMode::Opaque},
    {"ImgLookAug", 61, 363, 61, 33, 11, 8, DrawMode::Opaque},
    {"ImgKanWalk", 222, 2100, 222, 210, 10, 8, DrawMode::Opaque},
    {"ImgKanFuss", 161, 388, 161, 194, 2, 8, DrawMode::Opaque},
    {"ImgKanGiess", 243, 885, 243, 177, 5, 8, DrawMode::Masked},
    {"ImgKanGiessMask", 243, 885, 243, 177, 5, 1, DrawMode::Mask},
    {"ImgKanBlinz", 222, 324, 222, 162, 2, 8, DrawMode::Masked},
    {"ImgKanBlinzMask", 222, 162, 222, 162, 1, 1, DrawMode::Mask},
    // The rightmost column is not drawn: frames are 210 wide.
    {"ImgKannTroet", 211, 320, 210, 160, 2, 8, DrawMode::Opaque},
    {"ImgFly", 60, 370, 60, 37, 10, 8, DrawMode::Masked},
    {"ImgFlyMask", 60, 370, 60, 37, 10, 1, DrawMode::Mask},
    {"ImgFlyBig", 200, 600, 200, 150, 4, 8, DrawMode::Opaque},
    {"ImgStachel", 80, 104, 80, 26, 4, 8, DrawMode::Opaque},
};

constexpr const SheetInfo& Info(Sheet s) { return kSheets[static_cast<std::size_t>(s)]; }

// The preview picture: bitmap resource 1, four frames of 120 x 89 stacked.
constexpr int kPreviewBitmapId = 1;
constexpr int kPreviewFrameWidth = 120;
constexpr int kPreviewFrameHeight = 89;
constexpr int kPreviewFrames = 4;
constexpr int kPreviewWidth = kPreviewFrameWidth,
              kPreviewHeight = kPreviewFrameHeight * kPreviewFrames;

struct WaveInfo {
  int id;
  double seconds;
  bool looped;
};

constexpr int kWaveCount = 15;
constexpr WaveInfo kWaves[kWaveCount] = {
    {2, 2.3, false},  {3, 2.8, true},    {4, 4.3, true},   {6, 4.8, false},  {7, 0.5, false},
    {8, 0.2, false},  {9, 0.5, false},   {10, 1.2, false}, {11, 1.4, false}, {12, 0.7, false},
    {13, 0.7, false}, {14, 21.0, false}, {15, 1.0, false}, {16, 1.3, false}, {17, 1.5, false},
};

// Wave resource numbers by event.
namespace wave {
constexpr int kFlyFools = 2, kBigFlyApproach = 3, kPour = 4, kCanArrives = 6, kBuzz = 7,
              kFright = 8, kBigFlySetsOut = 9, kFirstCall = 10, kEyesTurn = 11, kBite = 12,
              kGulp = 13, kStartTrack = 14, kClick = 15, kSummon = 16, kTrumpet = 17;
}

}  // namespace gulpleaf
