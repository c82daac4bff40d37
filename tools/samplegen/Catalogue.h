#pragma once

#include <string>
#include <vector>

#include "Image.h"

namespace samplegen {

// One picture of the sample collection and everything its section says.
struct PictureEntry {
  std::string title;
  std::string caption;      // caption text, may be empty
  std::string displayTime;  // seconds, "Default", or empty for no key
  std::string graphic;      // overlay bitmap member, may be empty
  std::string position;     // its corner
  std::string sound;        // song member played with the picture, may be empty
  int width, height;
  bool bitmap;  // stored as a Windows bitmap rather than JPEG
  Image (*draw)(int width, int height);
};

extern const char kSaverTitle[];
extern const char kCopyright[];
extern const char kLogoName[];
extern const char kBadgeName[];
extern const char kDaybreakName[];
extern const char kStarlightName[];
extern const char kReadMeName[];

const std::vector<PictureEntry>& Pictures();
// Member names of picture n (0-based): "Pic01.jpg" or ".bmp", and "Pic01.thu".
std::string ImageName(std::size_t index);
std::string ThumbName(std::size_t index);

std::string SettingsIni();
std::string CollectionIni();
std::string ReadMeText();

}  // namespace samplegen
