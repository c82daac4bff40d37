#pragma once

#include "Image.h"

namespace samplegen {

// The sample pictures. Each draws at any size; the catalogue picks the sizes.
Image AlpineDawn(int width, int height);
Image SeaSunset(int width, int height);
Image NorthernLights(int width, int height);
Image Moonrise(int width, int height);
Image MistyPines(int width, int height);
Image DesertDunes(int width, int height);
Image EveningHills(int width, int height);
Image CityAtDusk(int width, int height);
Image Tulips(int width, int height);
Image TumblingBlocks(int width, int height);
Image ColourFlow(int width, int height);
Image SilkRibbons(int width, int height);

}  // namespace samplegen
