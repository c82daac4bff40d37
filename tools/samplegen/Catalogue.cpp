#include "Catalogue.h"

#include <cstdio>

#include "IniText.h"
#include "Scenes.h"

namespace samplegen {

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

void PlayList(IniText& ini, const char* section, bool loop, bool shuffle, bool selectOne) {
  ini.Section(section);
  ini.Key("FileCount", 2);
  ini.Key("LoopPlayList", loop ? 1 : 0);
  ini.Key("ShufflePlayList", shuffle ? 1 : 0);
  ini.Key("SelectOneFromPlayList", selectOne ? 1 : 0);
  ini.Key("1", kDaybreakName);
  ini.Key("2", kStarlightName);
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
  IniText ini;
  ini.Section("General_Settings");
  ini.Key("Title", kSaverTitle);
  ini.Key("Custom_Heading", "Welcome to the Lumishow Sample Saver");
  ini.Key("Custom_Text",
          "Every picture, song and badge in this saver was drawn or composed by a program.|"
          "Pick a picture to start from, then press Preview to watch the show.");
  ini.Key("Custom_Graphic", kLogoName);
  ini.Key("Information_Hyperlink", "http://www.example.com/lumishow/");
  ini.Key("Information_Document", kReadMeName);
  ini.Key("Copyright", kCopyright);
  ini.Key("AboutBoxText", "Lumishow Sample Saver|Twelve generated pictures and two little songs.");
  ini.Key("Display_Order", "Random Order");
  ini.Key("Show_Captions", 1);
  ini.Key("Enlarge_Image", 1);
  // Panoramas and portraits look better centred on black than repeated.
  ini.Key("Tile_Image", 0);
  ini.Key("Use_Effects", 1);
  ini.Key("Message_ShowRandom", 1);
  ini.Key("Message_Frequency", 40);

  ini.Section("Messages");
  ini.Key("Count", static_cast<int>(std::size(kMessages)));
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    ini.Key("Message " + std::to_string(i), kMessages[i]);
  }
  // The viewer greets with one of the songs; the running saver plays both, shuffled, for ever.
  PlayList(ini, "SPL_AppStartup", false, false, true);
  PlayList(ini, "SPL_SSRun", true, true, false);
  return ini.Text();
}

std::string CollectionIni() {
  const auto& pictures = Pictures();
  IniText ini;
  ini.Section("General");
  ini.Key("Count", static_cast<int>(pictures.size()));
  ini.Key("Title", "Lumishow Sample Pictures");
  ini.Key("Active", 1);
  ini.Key("ID", 1);
  ini.Key("Version", 1);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PictureEntry& p = pictures[i];
    ini.Section("Picture" + std::to_string(i + 1));
    ini.Key("ID", static_cast<int>(i + 1));
    ini.Key("Version", 1);
    ini.Key("Name", ImageName(i));
    ini.Key("Title", p.title);
    ini.Key("Image", ImageName(i));
    ini.Key("Thumb", ThumbName(i));
    ini.Key("Media_Width", p.width);
    ini.Key("Media_Height", p.height);
    ini.Key("Copyright", kCopyright);
    if (!p.caption.empty()) ini.Key("Text", p.caption);
    if (!p.displayTime.empty()) ini.Key("Display_Time", p.displayTime);
    if (!p.graphic.empty()) {
      ini.Key("Graphic_Name", p.graphic);
      ini.Key("Graphic_Position", p.position);
    }
    if (!p.sound.empty()) {
      ini.Key("Play_Sound", p.sound);
      ini.Key("Repeat_Sound", 0);
    }
    ini.Key("IsRemoved", 0);
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
