#include "Catalogue.h"

#include <cstdio>

#include "Scenes.h"
#include "common/text/IniWriter.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace samplegen {

namespace settings = lumi::settings_file;
namespace collection = lumi::collection_file;

const char kSaverTitle[] = "Lumishow Sample Saver";
const char kCopyright[] = "Copyright (c) 2026 The Lumishow Team";
const char kLogoName[] = "Logo.bmp";
const char kBadgeName[] = "Badge.bmp";
const char kDaybreakName[] = "Daybreak.rmi";
const char kStarlightName[] = "Starlight.rmi";
const char kReadMeName[] = "ReadMe.txt";

namespace {

const char* const kMessages[] = {
    "Welcome to the Lumishow Sample Saver!",
    "Every picture in this show was drawn by a program.",
    "Press Settings in the viewer to choose your favourite effects.",
    "Double-click a thumbnail to make it your wallpaper.",
    "Sit back and enjoy the view.",
};

std::string Name(std::size_t index, const char* extension) {
  char name[32];
  std::snprintf(name, sizeof name, "Pic%02zu.%s", index + 1, extension);
  return name;
}

void PlayList(zeb::IniWriter& ini, const char* section, bool loop, bool shuffle, bool selectOne) {
  ini.Section(section);
  ini.Key(settings::kPlayListFileCount, 2);
  ini.Key(settings::kPlayListLoop, loop ? 1 : 0);
  ini.Key(settings::kPlayListShuffle, shuffle ? 1 : 0);
  ini.Key(settings::kPlayListSelectOne, selectOne ? 1 : 0);
  ini.Key(settings::PlayListFileKey(1), kDaybreakName);
  ini.Key(settings::PlayListFileKey(2), kStarlightName);
}

}  // namespace

const std::vector<PictureEntry>& Pictures() {
  // Sizes and shapes vary on purpose: the engine fits, stretches, centres or
  // tiles each differently, and the sample shows all of it.
  static const std::vector<PictureEntry> kPictures{
      {"Alpine Dawn", "First light on the high peaks", "12", kLogoName, "Bottom Right", "", 1600,
       1200, false, AlpineDawn},
      {"Sunset over the Sea", "The sun slips into a calm sea", "Default", "", "", "", 1024, 768,
       false, SeaSunset},
      {"Northern Lights", "Curtains of light over a frozen lake", "15", "", "", kStarlightName, 640,
       480, false, NorthernLights},
      {"City at Dusk", "", "", "", "", "", 800, 600, false, CityAtDusk},
      {"Spring Tulips", "A bed of tulips in the morning sun", "", "", "", "", 600, 800, false,
       Tulips},
      {"Desert Dunes", "", "10", "", "", "", 1600, 600, false, DesertDunes},
      {"Tumbling Blocks", "", "", kBadgeName, "Top Left", "", 900, 900, false, TumblingBlocks},
      {"Moonrise", "The moon climbs over the hills", "", "", "", "", 320, 240, true, Moonrise},
      {"Colour Flow", "", "8", "", "", "", 2048, 1536, false, ColourFlow},
      {"Misty Pines", "Morning mist among the firs", "", "", "", "", 1024, 768, false, MistyPines},
      {"Silk Ribbons", "", "", "", "", "", 800, 600, false, SilkRibbons},
      {"Evening Hills", "", "20", "", "", "", 1152, 864, false, EveningHills},
  };
  return kPictures;
}

std::string ImageName(std::size_t index) {
  return Name(index, Pictures()[index].bitmap ? "bmp" : "jpg");
}
std::string ThumbName(std::size_t index) { return Name(index, "thu"); }

std::string SettingsIni() {
  zeb::IniWriter ini;
  ini.Section(settings::kGeneralSection);
  ini.Key(settings::kTitle, kSaverTitle);
  ini.Key(settings::kCustomHeading, "Welcome to the Lumishow Sample Saver");
  ini.Key(settings::kCustomText,
          "Every picture, song and badge in this saver was drawn or composed by a program.|"
          "Pick a picture to start from, then press Preview to watch the show.");
  ini.Key(settings::kCustomGraphic, kLogoName);
  ini.Key(settings::kInformationHyperlink, "http://www.example.com/lumishow/");
  ini.Key(settings::kInformationDocument, kReadMeName);
  ini.Key(settings::kCopyright, kCopyright);
  ini.Key(settings::kAboutBoxText,
          "Lumishow Sample Saver|Twelve generated pictures and two little songs.");
  ini.Key(settings::kDisplayOrder, settings::kRandomOrder);
  ini.Key(settings::kShowCaptions, 1);
  ini.Key(settings::kEnlargeImage, 1);
  // Panoramas and portraits look better centred on black than repeated.
  ini.Key(settings::kTileImage, 0);
  ini.Key(settings::kUseEffects, 1);
  ini.Key(settings::kMessageShowRandom, 1);
  ini.Key(settings::kMessageFrequency, 40);

  ini.Section(settings::kMessagesSection);
  ini.Key(settings::kMessageCount, static_cast<int>(std::size(kMessages)));
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    ini.Key(settings::MessageKey(static_cast<int>(i)), kMessages[i]);
  }
  // The viewer greets with one of the songs; the running saver plays both, shuffled, for ever.
  PlayList(ini, settings::kStartupPlayList, false, false, true);
  PlayList(ini, settings::kSaverPlayList, true, true, false);
  return ini.Text();
}

std::string CollectionIni() {
  const auto& pictures = Pictures();
  zeb::IniWriter ini;
  ini.Section(collection::kGeneralSection);
  ini.Key(collection::kCount, static_cast<int>(pictures.size()));
  ini.Key(collection::kTitle, "Lumishow Sample Pictures");
  ini.Key(collection::kActive, 1);
  ini.Key(collection::kId, 1);
  ini.Key(collection::kVersion, 1);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PictureEntry& p = pictures[i];
    ini.Section(collection::PictureSection(static_cast<int>(i + 1)));
    ini.Key(collection::kPictureId, static_cast<int>(i + 1));
    ini.Key(collection::kPictureVersion, 1);
    ini.Key(collection::kPictureName, ImageName(i));
    ini.Key(collection::kPictureTitle, p.title);
    ini.Key(collection::kPictureImage, ImageName(i));
    ini.Key(collection::kPictureThumb, ThumbName(i));
    ini.Key(collection::kPictureMediaWidth, p.width);
    ini.Key(collection::kPictureMediaHeight, p.height);
    ini.Key(collection::kPictureCopyright, kCopyright);
    if (!p.caption.empty()) ini.Key(collection::kPictureText, p.caption);
    if (!p.displayTime.empty()) ini.Key(collection::kPictureDisplayTime, p.displayTime);
    if (!p.graphic.empty()) {
      ini.Key(collection::kPictureGraphicName, p.graphic);
      ini.Key(collection::kPictureGraphicPosition, p.position);
    }
    if (!p.sound.empty()) {
      ini.Key(collection::kPicturePlaySound, p.sound);
      ini.Key(collection::kPictureRepeatSound, 0);
    }
    ini.Key(collection::kPictureIsRemoved, 0);
  }
  return ini.Text();
}

std::string ReadMeText() {
  std::string text =
      "Lumishow Sample Saver\r\n"
      "=====================\r\n"
      "\r\n"
      "This screen saver shows a slideshow of twelve pictures with soft\r\n"
      "transitions, picture titles, a caption bar with short messages and\r\n"
      "two little background songs. Everything in it - the pictures, the\r\n"
      "thumbnails, the badges and the music - was generated by a program.\r\n"
      "\r\n"
      "Using the saver\r\n"
      "---------------\r\n"
      "Open the saver's settings from the Display control panel to see the\r\n"
      "viewer. Click a thumbnail to choose the picture the show starts with,\r\n"
      "press Preview to watch it full-screen, Wallpaper to put the picture on\r\n"
      "your desktop, and Settings to choose the timing, the transition\r\n"
      "effects, a password and an automatic wallpaper change.\r\n"
      "\r\n"
      "The pictures\r\n"
      "------------\r\n";
  const auto& pictures = Pictures();
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "%2zu. %-22s %4d x %d\r\n", i + 1, pictures[i].title.c_str(),
                  pictures[i].width, pictures[i].height);
    text += line;
  }
  text +=
      "\r\n"
      "The music\r\n"
      "---------\r\n"
      "Daybreak  - a bright tune for flute and piano.\r\n"
      "Starlight - a gentle waltz for celesta and harp.\r\n"
      "\r\n";
  text += kCopyright;
  text += "\r\n";
  return text;
}

}  // namespace samplegen
