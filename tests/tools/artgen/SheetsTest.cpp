#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "Bitmap.h"
#include "Can.h"
#include "Sheets.h"

namespace artgen {
namespace {

// Everything is drawn once for the whole test program.
const std::vector<OutputFile>& Drawn() {
  static const std::vector<OutputFile> files = BuildAllFiles();
  return files;
}

const std::map<std::string, DecodedBmp>& Files() {
  static const std::map<std::string, DecodedBmp> files = [] {
    std::map<std::string, DecodedBmp> m;
    for (const OutputFile& f : Drawn()) {
      if (f.name.ends_with(".ico")) continue;
      std::string error;
      auto bmp = DecodeBmp(f.bytes, error);
      EXPECT_TRUE(bmp) << f.name << ": " << error;
      if (bmp) m[f.name] = *bmp;
    }
    return m;
  }();
  return files;
}

const DecodedBmp& File(const std::string& name) {
  auto it = Files().find(name + ".bmp");
  EXPECT_NE(it, Files().end()) << name;
  static const DecodedBmp empty;
  return it == Files().end() ? empty : it->second;
}

uint8_t Px(const DecodedBmp& b, int x, int y) {
  return b.indices[static_cast<size_t>(y) * b.width + x];
}

struct Expected {
  const char* name;
  int width, height, bits, frameHeight;
};

// The geometry the saver's blits are written against.
constexpr Expected kFiles[] = {
    {"ImgPflanzHead", 225, 2464, 8, 154}, {"ImgPflanzFuss", 151, 990, 8, 99},
    {"ImgHalsKraus", 41, 19, 8, 19},      {"ImgHals", 15, 32, 8, 16},
    {"ImgPflanzDuck", 155, 1980, 8, 220}, {"ImgLookAug", 61, 363, 8, 33},
    {"ImgKanWalk", 222, 2100, 8, 210},    {"ImgKanFuss", 161, 388, 8, 194},
    {"ImgKanGiess", 243, 885, 8, 177},    {"ImgKanGiessMask", 243, 885, 1, 177},
    {"ImgKanBlinz", 222, 324, 8, 162},    {"ImgKanBlinzMask", 222, 162, 1, 162},
    {"ImgKannTroet", 211, 320, 8, 160},   {"ImgFly", 60, 370, 8, 37},
    {"ImgFlyMask", 60, 370, 1, 37},       {"ImgFlyBig", 200, 600, 8, 150},
    {"ImgStachel", 80, 104, 8, 26},       {"preview", 120, 356, 8, 89},
    {"SetupLogo", 98, 90, 8, 90},
};

TEST(SheetsTest, EveryFileHasTheSizeAndDepthTheSaverExpects) {
  EXPECT_EQ(Drawn().size(), std::size(kFiles) + 1);
  for (const Expected& e : kFiles) {
    SCOPED_TRACE(e.name);
    const DecodedBmp& b = File(e.name);
    EXPECT_EQ(b.width, e.width);
    EXPECT_EQ(b.height, e.height);
    EXPECT_EQ(b.bitsPerPixel, e.bits);
    EXPECT_EQ(b.compression, 0u);
    EXPECT_EQ(b.height % e.frameHeight, 0);
  }
}

TEST(SheetsTest, AllSheetsShareOnePaletteWithBlackFirst) {
  const auto& reference = File("ImgPflanzHead").colorTable;
  ASSERT_EQ(reference.size(), 256u);
  EXPECT_EQ(reference[0].r + reference[0].g + reference[0].b, 0);
  for (const Expected& e : kFiles) {
    if (e.bits != 8) continue;
    const auto& t = File(e.name).colorTable;
    ASSERT_EQ(t.size(), 256u) << e.name;
    for (int i = 0; i < 256; ++i)
      EXPECT_TRUE(t[i].r == reference[i].r && t[i].g == reference[i].g && t[i].b == reference[i].b)
          << e.name << " entry " << i;
  }
}

struct MaskedPair {
  const char* sprite;
  const char* mask;
};

// SRCAND then SRCINVERT only composes cleanly if the sprite is black wherever
// its mask lets the background through; the mask must also cover the sprite.
TEST(SheetsTest, MaskedSpritesAreBlackExactlyWhereTheirMaskIsWhite) {
  for (MaskedPair p :
       {MaskedPair{"ImgKanGiess", "ImgKanGiessMask"}, MaskedPair{"ImgFly", "ImgFlyMask"},
        MaskedPair{"ImgKanBlinz", "ImgKanBlinzMask"}}) {
    SCOPED_TRACE(p.sprite);
    const DecodedBmp& s = File(p.sprite);
    const DecodedBmp& m = File(p.mask);
    int frames = s.height / m.height;
    int maskFrames = m.height == s.height ? frames : 1;
    int fh = s.height / frames;
    for (int n = 0; n < frames; ++n) {
      int covered = 0;
      for (int y = 0; y < fh; ++y) {
        for (int x = 0; x < s.width; ++x) {
          bool background = Px(m, x, (maskFrames == 1 ? 0 : n * fh) + y) == 1;
          uint8_t v = Px(s, x, n * fh + y);
          if (background) {
            ASSERT_EQ(v, 0) << "frame " << n << " at " << x << "," << y;
          }
          covered += !background;
        }
      }
      EXPECT_GT(covered, s.width * fh / 20) << "frame " << n << " is nearly empty";
    }
  }
}

TEST(SheetsTest, NeckSegmentCarriesItsMaskAboveTheSprite) {
  const DecodedBmp& h = File("ImgHals");
  const auto& t = h.colorTable;
  int sprite = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 15; ++x) {
      uint8_t m = Px(h, x, y);
      bool white = t[m].r == 255 && t[m].g == 255 && t[m].b == 255;
      ASSERT_TRUE(white || m == 0) << "mask pixel must be pure white or black";
      if (white) {
        EXPECT_EQ(Px(h, x, y + 16), 0) << x << "," << y;
      }
      sprite += !white;
    }
  // The segment is round but nearly fills its cell, so the chain has no gaps.
  EXPECT_GT(sprite, 15 * 16 * 3 / 4);
  EXPECT_EQ(Px(h, 7, 0), 0);
  EXPECT_EQ(Px(h, 7, 15), 0);
}

TEST(SheetsTest, AnimatedSheetsHaveNoRepeatedNeighbouringFrames) {
  for (const Expected& e : kFiles) {
    const DecodedBmp& b = File(e.name);
    int frames = b.height / e.frameHeight;
    size_t size = static_cast<size_t>(b.width) * e.frameHeight;
    for (int n = 1; n < frames; ++n) {
      bool same = std::equal(b.indices.begin() + (n - 1) * size, b.indices.begin() + n * size,
                             b.indices.begin() + n * size);
      EXPECT_FALSE(same) << e.name << " frames " << n - 1 << " and " << n;
    }
  }
}

TEST(SheetsTest, DrawingTwiceGivesTheSameBytes) {
  const std::vector<OutputFile>& a = Drawn();
  std::vector<OutputFile> b = BuildAllFiles();
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].name, b[i].name);
    EXPECT_TRUE(a[i].bytes == b[i].bytes) << a[i].name;
  }
}

struct BlackArea {
  const char* sheet;
  int frameHeight;
  int x0, y0, x1, y1;  // within the frame, exclusive end
  const char* why;
  int onlyFrame = -1;  // -1: every frame
};

// The saver draws several sheets opaquely without erasing first, moving them
// a few pixels per tick; whatever a frame has in these strips would be left
// behind on the screen.
constexpr BlackArea kBlackAreas[] = {
    {"ImgKanWalk", 210, 0, 0, 8, 210, "walking right leaves the left strip behind"},
    {"ImgKanWalk", 210, 215, 0, 222, 210, "walking back leaves the right strip behind"},
    {"ImgKanBlinz", 162, 0, 0, 13, 162, "trumpet frames do not cover the left strip"},
    {"ImgKanBlinz", 162, 0, 0, 222, 4, "trumpet frames do not cover the top rows"},
    {"ImgFlyBig", 150, 0, 0, 5, 150, "the big fly moves right 4 px per tick"},
    {"ImgFlyBig", 150, 0, 0, 200, 3, "the big fly bobs up and down"},
    {"ImgFlyBig", 150, 0, 147, 200, 150, "the big fly bobs up and down"},
    {"ImgKannTroet", 160, 210, 0, 211, 160, "the last column is never drawn"},
    {"ImgPflanzHead", 154, 0, 30, 60, 154, "ducking pictures do not cover it", 0},
    {"ImgPflanzHead", 154, 216, 30, 225, 154, "ducking pictures do not cover it", 0},
};

TEST(SheetsTest, StripsThatTheSaverLeavesOnScreenStayBlack) {
  for (const BlackArea& a : kBlackAreas) {
    const DecodedBmp& b = File(a.sheet);
    for (int top = 0; top < b.height; top += a.frameHeight) {
      if (a.onlyFrame >= 0 && top != a.onlyFrame * a.frameHeight) continue;
      for (int y = a.y0; y < a.y1; ++y) {
        for (int x = a.x0; x < a.x1; ++x) {
          ASSERT_EQ(Px(b, x, top + y), 0) << a.sheet << " frame " << top / a.frameHeight << " at "
                                          << x << "," << y << ": " << a.why;
        }
      }
    }
  }
  // Rising on its legs, the can's walking frame 0 is drawn 165 rows high over
  // the legs sheet, which only reaches column 152: its lower right stays black.
  const DecodedBmp& walk = File("ImgKanWalk");
  for (int y = 140; y < 165; ++y)
    for (int x = 153; x < 222; ++x) ASSERT_EQ(Px(walk, x, y), 0) << x << "," << y;
}

struct Seam {
  const char* part;
  int partFrameHeight;
  const char* whole;
  int wholeFrameHeight;
  int x, y;        // where the part lies in the whole
  int wholeFrame;  // -1: the same frame number as the part
  int border;      // 0: compare every pixel; n: only an n-pixel ring
};

// Sheets drawn over each other must agree where they meet.
constexpr Seam kSeams[] = {
    {"ImgStachel", 26, "ImgFlyBig", 150, 117, 121, -1, 0},
    {"ImgLookAug", 33, "ImgPflanzDuck", 220, 50, 25, 8, 2},
};

TEST(SheetsTest, OverlaidSheetsMeetWithoutSeams) {
  for (const Seam& s : kSeams) {
    const DecodedBmp& part = File(s.part);
    const DecodedBmp& whole = File(s.whole);
    for (int n = 0; n < part.height / s.partFrameHeight; ++n) {
      int wf = s.wholeFrame < 0 ? n : s.wholeFrame;
      for (int y = 0; y < s.partFrameHeight; ++y)
        for (int x = 0; x < part.width; ++x) {
          bool ring = x < s.border || y < s.border || x >= part.width - s.border ||
                      y >= s.partFrameHeight - s.border;
          if (s.border && !ring) continue;
          ASSERT_EQ(Px(part, x, n * s.partFrameHeight + y),
                    Px(whole, s.x + x, wf * s.wholeFrameHeight + s.y + y))
              << s.part << " frame " << n << " at " << x << "," << y;
        }
    }
  }
}

// The saver's neck: points on half a cosine from the head end (top) to the
// foot end, a new point once it is more than 7 pixels from the last one.
std::vector<std::pair<int, int>> NeckPoints(int sx, int sy, int ex, int ey) {
  std::vector<std::pair<int, int>> pts;
  int dx = ex - sx, dy = ey - sy;
  float r = dx > 0 ? 1.0f : -1.0f, step = dy ? 3.14f / dy : 3.14f, u = dx > 0 ? 3.14f : 0.0f;
  int c = std::abs(dx) / 2;
  for (int i = 0; i <= dy; ++i, u += step) {
    int x = static_cast<int>((std::cos(u) + r) * c + sx), y = sy + i;
    if (pts.empty() || std::abs(x - pts.back().first) > 7 || std::abs(y - pts.back().second) > 7)
      pts.push_back({x, y});
  }
  return pts;
}

TEST(SheetsTest, NeckSegmentsChainIntoAStalkWithoutGaps) {
  const DecodedBmp& h = File("ImgHals");
  const auto& t = h.colorTable;
  struct Offset {
    int dx, dy;  // head end relative to the foot end
  };
  for (Offset o : {Offset{0, -120}, Offset{-300, -250}, Offset{250, -400}, Offset{-600, -180}}) {
    int w = 1400, hgt = 520, fx = 700, fy = 500;
    std::vector<bool> covered(static_cast<size_t>(w) * hgt);
    auto pts = NeckPoints(fx + o.dx, fy + o.dy, fx, fy);
    for (auto [px, py] : pts)
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x) {
          uint8_t m = Px(h, x, y);
          if (!(t[m].r == 255 && t[m].g == 255))
            covered[static_cast<size_t>(py + y) * w + px - 7 + x] = true;
        }
    // Walk along the chain between neighbouring points, a little below the
    // points (the segments hang from them): every spot must be stalk.
    for (size_t i = 0; i + 1 < pts.size(); ++i)
      for (float k = 0; k <= 1; k += 0.05f) {
        int x = static_cast<int>(std::lround(pts[i].first + (pts[i + 1].first - pts[i].first) * k));
        int y =
            static_cast<int>(std::lround(pts[i].second + (pts[i + 1].second - pts[i].second) * k)) +
            8;
        for (int side : {-3, 0, 3})
          ASSERT_TRUE(covered[static_cast<size_t>(y) * w + x + side])
              << "gap at offset " << o.dx << "," << o.dy << " near point " << i;
      }
  }
}

TEST(SheetsTest, FootKeepsItsBottomRowsStillForTheDuckingPictures) {
  // While ducking, the foot is not drawn and its last rows stay on screen.
  const DecodedBmp& f = File("ImgPflanzFuss");
  for (int n = 1; n < 10; ++n)
    for (int y = 96; y < 99; ++y)
      for (int x = 0; x < 151; ++x) ASSERT_EQ(Px(f, x, n * 99 + y), Px(f, x, y)) << n;
}

TEST(SheetsTest, DrinkingHeadCatchesTheCansStream) {
  // The pouring can stands at head x - 215, 97 rows above the head.
  Vec2 end = PourStreamEnd();
  int hx = static_cast<int>(end.x) - 215, hy = static_cast<int>(end.y) - 97;
  const DecodedBmp& head = File("ImgPflanzHead");
  const DecodedBmp& mask = File("ImgKanGiessMask");
  EXPECT_EQ(Px(mask, static_cast<int>(end.x) - 1, 4 * 177 + static_cast<int>(end.y) - 2), 0)
      << "the stream reaches its end";
  for (int frame : {14, 15}) {
    Rgb8 c = head.colorTable[Px(head, hx, frame * 154 + hy)];
    EXPECT_GT(c.r, c.g) << "frame " << frame << " has its open mouth under the stream";
    EXPECT_GT(c.r, c.b) << "frame " << frame;
  }
}

}  // namespace
}  // namespace artgen
