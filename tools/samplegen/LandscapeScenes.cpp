#include "Landscape.h"
#include "Scenes.h"

namespace samplegen {

using Kind = Ridge::Kind;

Image AlpineDawn(int width, int height) {
  Landscape s;
  s.sky = Gradient{
      {0, Hex(0x2B3A67)}, {0.45f, Hex(0x8E6C9E)}, {0.8f, Hex(0xF2A98A)}, {1, Hex(0xFFE0B0)}};
  s.horizon = 0.64f;
  s.sun = true;
  s.bodyX = 0.66f, s.bodyY = 0.2f, s.bodyRadius = 0.035f;
  s.bodyColor = Hex(0xFFF6E0), s.glowColor = Hex(0xFF9E6A) * 0.8f, s.glowSize = 0.22f;
  s.clouds = 0.45f, s.cloudTop = 0.06f, s.cloudBottom = 0.36f;
  s.cloudLit = Hex(0xFFC8B4), s.cloudDark = Hex(0x7A6690);
  s.mist = Hex(0xF3C9C0);
  s.ridges = {
      {Kind::kMountains, 0.58f, 0.42f, 2.6f, 12, Hex(0x6A6898), Hex(0xFFD6CC), Hex(0x45457A), 0.3f,
       0.33f},
      {Kind::kMountains, 0.625f, 0.24f, 3.1f, 23, Hex(0x4A4470), Hex(0xD09AB0), Hex(0x2E2C55), 0.3f,
       -1},
      {Kind::kHills, 0.642f, 0.008f, 2.0f, 31, Hex(0x23253E), Hex(0x3A3658), Hex(0x23253E), 0.1f,
       -1},
  };
  s.lightFromRight = true;
  s.water = true;
  s.waterTint = Hex(0x2E3358);
  s.glitter = 0.5f;
  s.ripples = 0.3f;
  s.seed = 101;
  return RenderLandscape(s, width, height);
}

Image SeaSunset(int width, int height) {
  Landscape s;
  s.sky = Gradient{
      {0, Hex(0x23153C)}, {0.35f, Hex(0x6B2A5E)}, {0.7f, Hex(0xE0523A)}, {1, Hex(0xFFB347)}};
  s.horizon = 0.62f;
  s.sun = true;
  s.bodyX = 0.42f, s.bodyY = 0.575f, s.bodyRadius = 0.06f;
  s.bodyColor = Hex(0xFFE7A0), s.glowColor = Hex(0xFF7A30) * 0.9f, s.glowSize = 0.3f;
  s.clouds = 0.6f, s.cloudTop = 0.1f, s.cloudBottom = 0.5f;
  s.cloudLit = Hex(0xFF9A6A), s.cloudDark = Hex(0x4A2448);
  s.mist = Hex(0xC05050);
  s.water = true;
  s.waterTint = Hex(0x2A1838);
  s.glitter = 1.1f;
  s.seed = 202;
  return RenderLandscape(s, width, height);
}

Image NorthernLights(int width, int height) {
  Landscape s;
  s.sky = Gradient{{0, Hex(0x02040E)}, {0.6f, Hex(0x061428)}, {1, Hex(0x12304A)}};
  s.horizon = 0.72f;
  s.stars = 0.22f;
  s.aurora = true;
  s.mist = Hex(0x2A5A6A);
  s.ridges = {
      {Kind::kMountains, 0.70f, 0.30f, 2.2f, 41, Hex(0x1E3344), Hex(0x9CC8D8), Hex(0x101C28), 0.2f,
       0.58f},
      {Kind::kHills, 0.722f, 0.01f, 3.0f, 42, Hex(0x060C14), Hex(0x0E1A24), Hex(0x060C14), 0.0f,
       -1},
      {Kind::kPines, 1.0f, 0.22f, 1.6f, 43, Hex(0x03060A), Hex(0x081014), Hex(0x03060A), 0.0f, -1,
       true},
  };
  s.water = true;
  s.waterTint = Hex(0x040A14);
  s.ripples = 0.35f;
  s.seed = 303;
  return RenderLandscape(s, width, height);
}

Image Moonrise(int width, int height) {
  Landscape s;
  s.sky = Gradient{{0, Hex(0x070B22)}, {0.6f, Hex(0x1C2452)}, {1, Hex(0x4A4A7A)}};
  s.horizon = 0.8f;
  s.moon = true;
  s.bodyX = 0.7f, s.bodyY = 0.3f, s.bodyRadius = 0.1f;
  s.bodyColor = Hex(0xF4EBD0), s.glowColor = Hex(0x8090C8) * 0.5f, s.glowSize = 0.3f;
  s.stars = 0.35f;
  s.clouds = 0.3f, s.cloudTop = 0.35f, s.cloudBottom = 0.7f;
  s.cloudLit = Hex(0x8C90B8), s.cloudDark = Hex(0x2A2E58);
  s.mist = Hex(0x5A5A8A);
  s.ridges = {
      {Kind::kHills, 0.74f, 0.16f, 1.8f, 51, Hex(0x2A2A50), Hex(0x4A4A78), Hex(0x2A2A50), 0.45f,
       -1},
      {Kind::kHills, 0.86f, 0.14f, 2.6f, 53, Hex(0x10122A), Hex(0x24264A), Hex(0x10122A), 0.25f,
       -1},
      {Kind::kPines, 1.0f, 0.2f, 1.6f, 55, Hex(0x05060F), Hex(0x0A0C1C), Hex(0x05060F), 0.0f, -1},
  };
  s.seed = 404;
  return RenderLandscape(s, width, height);
}

Image MistyPines(int width, int height) {
  Landscape s;
  s.sky = Gradient{{0, Hex(0x9FB8C8)}, {0.7f, Hex(0xDCE6E4)}, {1, Hex(0xF2EEDC)}};
  s.horizon = 0.55f;
  s.sun = true;
  s.bodyX = 0.3f, s.bodyY = 0.28f, s.bodyRadius = 0.045f;
  s.bodyColor = Hex(0xFFFDF2), s.glowColor = Hex(0xFFF0C8) * 0.35f, s.glowSize = 0.3f;
  s.mist = Hex(0xE6ECE6);
  s.ridges = {
      {Kind::kMountains, 0.50f, 0.24f, 1.3f, 64, Hex(0x9AAEB4), Hex(0xB8C8CA), Hex(0x8CA0A8), 0.6f,
       -1},
      {Kind::kPines, 0.62f, 0.14f, 2.2f, 63, Hex(0x6E8A88), Hex(0x7E9896), Hex(0x6E8A88), 0.7f, -1},
      {Kind::kPines, 0.76f, 0.17f, 1.7f, 65, Hex(0x44605C), Hex(0x4E6A64), Hex(0x44605C), 0.6f, -1},
      {Kind::kPines, 0.94f, 0.24f, 1.2f, 67, Hex(0x1C2E2A), Hex(0x243834), Hex(0x1C2E2A), 0.25f,
       -1},
  };
  s.seed = 505;
  return RenderLandscape(s, width, height);
}

Image DesertDunes(int width, int height) {
  Landscape s;
  s.sky = Gradient{{0, Hex(0x3A6EA8)}, {0.6f, Hex(0x9CC4DC)}, {1, Hex(0xF6D8B0)}};
  s.horizon = 0.55f;
  s.sun = true;
  s.bodyX = 0.16f, s.bodyY = 0.36f, s.bodyRadius = 0.05f;
  s.bodyColor = Hex(0xFFFCEC), s.glowColor = Hex(0xFFD8A0) * 0.6f, s.glowSize = 0.25f;
  s.clouds = 0.25f, s.cloudTop = 0.05f, s.cloudBottom = 0.3f;
  s.cloudLit = Hex(0xFFFFFF), s.cloudDark = Hex(0xC8D4E4);
  s.mist = Hex(0xF4D8B8);
  s.ridges = {
      {Kind::kDunes, 0.55f, 0.10f, 3.0f, 71, Hex(0xE4B07C), Hex(0xF6D2A0), Hex(0xC48A64), 0.5f, -1},
      {Kind::kDunes, 0.68f, 0.15f, 2.2f, 73, Hex(0xE09A5A), Hex(0xF8C888), Hex(0xA86440), 0.35f,
       -1},
      {Kind::kDunes, 0.90f, 0.22f, 1.4f, 75, Hex(0xD8863E), Hex(0xF4B870), Hex(0x8E4E2C), 0.15f,
       -1},
  };
  s.seed = 606;
  return RenderLandscape(s, width, height);
}

Image EveningHills(int width, int height) {
  Landscape s;
  s.sky = Gradient{
      {0, Hex(0x3C5A9A)}, {0.55f, Hex(0xC08AA8)}, {0.85f, Hex(0xF8C08A)}, {1, Hex(0xFFE2A8)}};
  s.horizon = 0.6f;
  s.sun = true;
  s.bodyX = 0.74f, s.bodyY = 0.42f, s.bodyRadius = 0.04f;
  s.bodyColor = Hex(0xFFFDF0), s.glowColor = Hex(0xFFA050) * 0.45f, s.glowSize = 0.22f;
  s.clouds = 0.4f, s.cloudTop = 0.08f, s.cloudBottom = 0.42f;
  s.cloudLit = Hex(0xFFD0A8), s.cloudDark = Hex(0x8A6A9A);
  s.mist = Hex(0xF8C8A0);
  s.ridges = {
      {Kind::kHills, 0.60f, 0.08f, 2.0f, 81, Hex(0x9088A8), Hex(0xC0A0B0), Hex(0x9088A8), 0.35f,
       -1},
      {Kind::kHills, 0.70f, 0.12f, 1.6f, 83, Hex(0x5E7A5A), Hex(0xA8B070), Hex(0x5E7A5A), 0.3f, -1},
      {Kind::kHills, 0.82f, 0.14f, 1.3f, 85, Hex(0x3E6040), Hex(0x90A858), Hex(0x3E6040), 0.2f, -1},
      {Kind::kPines, 1.0f, 0.12f, 2.4f, 87, Hex(0x1A2C1C), Hex(0x2A4028), Hex(0x1A2C1C), 0.05f, -1},
  };
  s.seed = 707;
  return RenderLandscape(s, width, height);
}

}  // namespace samplegen
