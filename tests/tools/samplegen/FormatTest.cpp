#include <gtest/gtest.h>

#include <set>

#include "Encoders.h"
#include "Midi.h"
#include "Thumbnail.h"

namespace samplegen {
namespace {

std::uint32_t Le32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(ThumbnailHeightTest, KeepsThePicturesProportions) {
  struct Case {
    int width, height, expected;
  };
  const Case cases[] = {
      {1600, 1200, 53},  // 52.5 rounds up
      {600, 800, 93},   {1600, 600, 26},
      {900, 900, 70},   {1050, 675, 45},  // the common 70 x 45 thumbnail
      {7000, 10, 1},                      // never zero rows
      {0, 0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThumbnailHeight(c.width, c.height), c.expected) << c.width << "x" << c.height;
  }
}

Image Stripes(int width, int height, int distinct) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int k = (x + y * width) % distinct;
      image.rgb.push_back(static_cast<std::uint8_t>(k * 37));
      image.rgb.push_back(static_cast<std::uint8_t>(k * 11));
      image.rgb.push_back(static_cast<std::uint8_t>(255 - k));
    }
  }
  return image;
}

// A thumbnail-sized sky: thousands of distinct but neighbouring colours.
Image Sky() {
  Image image{70, 53, {}};
  for (int y = 0; y < 53; ++y) {
    for (int x = 0; x < 70; ++x) {
      image.rgb.push_back(static_cast<std::uint8_t>(20 + y * 4));
      image.rgb.push_back(static_cast<std::uint8_t>(40 + x * 2 + y));
      image.rgb.push_back(static_cast<std::uint8_t>(230 - y * 3 + x / 3));
    }
  }
  return image;
}

TEST(QuantizeTest, FewColoursSurviveExactlyAndManyAreCappedAt256) {
  struct Case {
    int distinct;  // 0: the sky
    bool exact;
  };
  for (const Case& c : {Case{1, true}, Case{7, true}, Case{256, true}, Case{0, false}}) {
    Image image = c.distinct ? Stripes(70, 53, c.distinct) : Sky();
    IndexedImage q = Quantize(image, 256);
    ASSERT_LE(q.palette.size(), 256u);
    ASSERT_EQ(q.indices.size(), 70u * 53u);
    long long error = 0;
    for (std::size_t i = 0; i < q.indices.size(); ++i) {
      for (int ch = 0; ch < 3; ++ch) {
        error += std::abs(q.palette[q.indices[i]][ch] - image.rgb[i * 3 + ch]);
      }
    }
    if (c.exact) {
      EXPECT_EQ(error, 0) << c.distinct << " colours";
    } else {
      // Three levels per channel on average: invisible in a 70-pixel thumbnail.
      EXPECT_LE(error / static_cast<long long>(q.indices.size()), 9) << "mean error too large";
    }
  }
}

TEST(BitmapTest, EightBitFileHasFullColourTableAndPaddedRows) {
  IndexedImage image{70, 45, {{255, 0, 0}, {0, 0, 255}}, std::vector<std::uint8_t>(70 * 45, 0)};
  image.indices[0] = 1;  // top-left pixel blue
  Bytes file = EncodeBmp8(image);
  ASSERT_EQ(file.size(), 4318u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le32(file, 2), 4318u);
  EXPECT_EQ(Le32(file, 10), 14u + 40u + 1024u);
  EXPECT_EQ(Le32(file, 18), 70u);
  EXPECT_EQ(Le32(file, 22), 45u);
  EXPECT_EQ(file[28], 8);
  EXPECT_EQ(Le32(file, 46), 256u);
  // Colour table entries are blue, green, red, reserved.
  EXPECT_EQ(file[54 + 2], 255);
  EXPECT_EQ(file[54 + 4], 255);
  // Rows run bottom-up: the top row is the last of 45 rows of 72 bytes.
  EXPECT_EQ(file[1078 + 44 * 72], 1);
  EXPECT_EQ(file[1078], 0);
}

TEST(BitmapTest, TwentyFourBitRowsAreBgrBottomUp) {
  Image image{3, 2, {1, 2, 3, 0, 0, 0, 0, 0, 0, 9, 8, 7, 0, 0, 0, 0, 0, 0}};
  Bytes file = EncodeBmp24(image);
  ASSERT_EQ(file.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12
  EXPECT_EQ(file[54], 7);                // bottom row first, blue first
  EXPECT_EQ(file[56], 9);
  EXPECT_EQ(file[54 + 12], 3);
  EXPECT_EQ(file[54 + 14], 1);
}

// Decodes a track into (tick, status, key) note events, checking that every
// length fits the chunk.
struct NoteEvent {
  int tick, status, key;
};
std::vector<NoteEvent> Notes(const Bytes& track) {
  std::vector<NoteEvent> notes;
  std::size_t i = 0;
  int tick = 0;
  while (i < track.size()) {
    int delta = 0;
    do delta = (delta << 7) | (track[i] & 0x7F);
    while (track[i++] & 0x80);
    tick += delta;
    int status = track[i++];
    if (status == 0xFF) {
      i += 1 + 1 + track[i + 1];
    } else if ((status & 0xF0) == 0xC0) {
      i += 1;
    } else {
      if ((status & 0xE0) == 0x80) notes.push_back({tick, status & 0xF0, track[i]});
      i += 2;
    }
  }
  EXPECT_EQ(i, track.size());
  return notes;
}

TEST(MidiTrackTest, OrdersEventsAndEncodesLongDeltas) {
  MidiTrack track;
  track.Note(0, 0, 60, 90, 480);
  track.Note(480, 0, 60, 90, 480);    // the same key again right as the first ends
  track.Note(200000, 0, 64, 90, 10);  // a delta needing three bytes
  Bytes body = track.Serialize();
  ASSERT_GE(body.size(), 3u);
  EXPECT_EQ((Bytes{body.end() - 3, body.end()}), (Bytes{0xFF, 0x2F, 0x00}));
  std::vector<NoteEvent> notes = Notes(body);
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[1].tick, 480);
  EXPECT_EQ(notes[1].status, 0x80) << "release must come before the next strike";
  EXPECT_EQ(notes[2].status, 0x90);
  EXPECT_EQ(notes[4].tick, 200000);
}

TEST(RiffMidiTest, WrapsAndPadsToEvenLength) {
  for (std::size_t size : {14u, 15u}) {
    Bytes smf(size, 0x42);
    Bytes rmi = RiffMidi(smf);
    EXPECT_EQ(rmi.size() % 2, 0u);
    EXPECT_EQ(Le32(rmi, 4), rmi.size() - 8);
    EXPECT_EQ(Le32(rmi, 16), size);
    EXPECT_EQ(std::string(rmi.begin() + 8, rmi.begin() + 16), "RMIDdata");
  }
}

}  // namespace
}  // namespace samplegen
