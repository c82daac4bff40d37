#include "PhotoContent.h"

#include "PhotoNames.h"

namespace lumipack {
namespace {

// The platform's private-profile reader wants CRLF line ends; a blank line
// between sections keeps the file readable by people.
class IniText {
 public:
  void Section(const std::string& name) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += "[" + name + "]\r\n";
  }
  void Key(const std::string& key, const std::string& value) {
    text_ += key + "=" + IniValue(value) + "\r\n";
  }
  void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

void EmptyPlayList(IniText& ini, const char* section) {
  ini.Section(section);
  ini.Key("FileCount", 0);
  ini.Key("LoopPlayList", 1);
  ini.Key("ShufflePlayList", 1);
  ini.Key("SelectOneFromPlayList", 0);
}

}  // namespace

std::string PhotoSettingsIni(const std::string& title) {
  IniText ini;
  ini.Section("General_Settings");
  ini.Key("Title", title);
  ini.Key("Custom_Heading", title);
  ini.Key("Custom_Text", "");
  ini.Key("Custom_Graphic", "");
  // "http://" alone means no link; an absent key would send the viewer's
  // information button to the engine's own site instead.
  ini.Key("Information_Hyperlink", "http://");
  ini.Key("Information_Document", "");
  // The photos are the user's own: no maker's copyright line in the About box.
  ini.Key("Copyright", "");
  ini.Key("AboutBoxText", title);
  ini.Key("Display_Order", "Random Order");
  ini.Key("Show_Captions", 0);
  ini.Key("Enlarge_Image", 1);
  // A portrait repeated across a landscape screen looks broken; centred on
  // black it looks like a photo.
  ini.Key("Tile_Image", 0);
  ini.Key("Use_Effects", 1);
  ini.Key("Message_ShowRandom", 1);
  ini.Key("Message_Frequency", 0);

  ini.Section("Messages");
  ini.Key("Count", 0);
  EmptyPlayList(ini, "SPL_AppStartup");
  EmptyPlayList(ini, "SPL_SSRun");
  return ini.Text();
}

std::string PhotoCollectionIni(const std::string& title, const std::vector<PhotoEntry>& photos) {
  IniText ini;
  ini.Section("General");
  ini.Key("Count", static_cast<int>(photos.size()));
  ini.Key("Title", title);
  ini.Key("Active", 1);
  ini.Key("ID", 1);
  ini.Key("Version", 1);
  for (std::size_t i = 0; i < photos.size(); ++i) {
    const PhotoEntry& photo = photos[i];
    ini.Section("Picture" + std::to_string(i + 1));
    ini.Key("ID", static_cast<int>(i + 1));
    ini.Key("Version", 1);
    ini.Key("Name", photo.imageName);
    ini.Key("Title", photo.title);
    ini.Key("Image", photo.imageName);
    ini.Key("Thumb", photo.thumbName);
    ini.Key("Media_Width", photo.width);
    ini.Key("Media_Height", photo.height);
    ini.Key("IsRemoved", 0);
  }
  return ini.Text();
}

}  // namespace lumipack
