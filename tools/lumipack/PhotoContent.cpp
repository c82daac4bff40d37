#include "PhotoContent.h"

#include "common/text/IniWriter.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumipack {
namespace {

namespace settings = lumi::settings_file;
namespace collection = lumi::collection_file;

void EmptyPlayList(zeb::IniWriter& ini, const char* section) {
  ini.Section(section);
  ini.Key(settings::kPlayListFileCount, 0);
  ini.Key(settings::kPlayListLoop, 1);
  ini.Key(settings::kPlayListShuffle, 1);
  ini.Key(settings::kPlayListSelectOne, 0);
}

}  // namespace

std::string PhotoSettingsIni(const std::string& title) {
  zeb::IniWriter ini(zeb::IniWriter::Values::kOneLine);
  ini.Section(settings::kGeneralSection);
  ini.Key(settings::kTitle, title);
  ini.Key(settings::kCustomHeading, title);
  ini.Key(settings::kCustomText, "");
  ini.Key(settings::kCustomGraphic, "");
  // "http://" alone means no link; an absent key would send the viewer's
  // information button to the engine's own site instead.
  ini.Key(settings::kInformationHyperlink, "http://");
  ini.Key(settings::kInformationDocument, "");
  // The photos are the user's own: no maker's copyright line in the About box.
  ini.Key(settings::kCopyright, "");
  ini.Key(settings::kAboutBoxText, title);
  ini.Key(settings::kDisplayOrder, settings::kRandomOrder);
  ini.Key(settings::kShowCaptions, 0);
  ini.Key(settings::kEnlargeImage, 1);
  // A portrait repeated across a landscape screen looks broken; centred on
  // black it looks like a photo.
  ini.Key(settings::kTileImage, 0);
  ini.Key(settings::kUseEffects, 1);
  ini.Key(settings::kMessageShowRandom, 1);
  ini.Key(settings::kMessageFrequency, 0);

  ini.Section(settings::kMessagesSection);
  ini.Key(settings::kMessageCount, 0);
  EmptyPlayList(ini, settings::kStartupPlayList);
  EmptyPlayList(ini, settings::kSaverPlayList);
  return ini.Text();
}

std::string PhotoCollectionIni(const std::string& title, const std::vector<PhotoEntry>& photos) {
  zeb::IniWriter ini(zeb::IniWriter::Values::kOneLine);
  ini.Section(collection::kGeneralSection);
  ini.Key(collection::kCount, static_cast<int>(photos.size()));
  ini.Key(collection::kTitle, title);
  ini.Key(collection::kActive, 1);
  ini.Key(collection::kId, 1);
  ini.Key(collection::kVersion, 1);
  for (std::size_t i = 0; i < photos.size(); ++i) {
    const PhotoEntry& photo = photos[i];
    ini.Section(collection::PictureSection(static_cast<int>(i + 1)));
    ini.Key(collection::kPictureId, static_cast<int>(i + 1));
    ini.Key(collection::kPictureVersion, 1);
    ini.Key(collection::kPictureName, photo.imageName);
    ini.Key(collection::kPictureTitle, photo.title);
    ini.Key(collection::kPictureImage, photo.imageName);
    ini.Key(collection::kPictureThumb, photo.thumbName);
    ini.Key(collection::kPictureMediaWidth, photo.width);
    ini.Key(collection::kPictureMediaHeight, photo.height);
    ini.Key(collection::kPictureIsRemoved, 0);
  }
  return ini.Text();
}

}  // namespace lumipack
