#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging::test {

std::vector<std::uint8_t> ReadDataFile(const std::string& name);
std::string DataPath(const std::string& name);
std::string TempPath(const std::string& name);

// A binary PPM or PGM as a 24-bit image.
Image ReadPnm(const std::string& name);

// A handle holding the picture.
int HandleFor(const Image& rgb);

// The handle's picture read back through its packed bitmap, as 24-bit.
Image ReadBack(int handle);

Image Solid(int width, int height, Rgb colour);
double MeanAbsDifference(const Image& a, const Image& b);

}  // namespace lumi::imaging::test
