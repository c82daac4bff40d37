#include "PhotoContent.h"

#include "common/text/IniWriter.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumipack {
namespace {

namespace settings = lumi::settings_file;
namespace collection = lumi::collection_file;

void PlayList(zeb::IniWriter& ini, const char* section, const SongListOptions& options,
              const std::vector<std::string>& songs) {
  ini.Section(section);
  ini.Key(settings::kPlayListFileCount, static_cast<int>(songs.size()));
  ini.Key(settings::kPlayListLoop, options.loop ? 1 : 0);
  ini.Key(settings::kPlayListShuffle, options.shuffle ? 1 : 0);
  ini.Key(settings::kPlayListSelectOne, 0);
  for (std::size_t i = 0; i < songs.size(); ++i) {
    ini.Key(settings::PlayListFileKey(static_cast<int>(i + 1)), songs[i]);
  }
}

}  // namespace

std::string PhotoSettingsIni(const std::string& title, const SaverOptions& options,
                             const AuthorFiles& files) {
  zeb::IniWriter ini(zeb::IniWriter::Values::kOneLine);
  ini.Section(settings::kGeneralSection);
  ini.Key(settings::kTitle, title);
  ini.Key(settings::kCustomHeading, options.heading.value_or(title));
  ini.Key(settings::kCustomText, options.text);
  ini.Key(settings::kCustomGraphic, "");
  // "http://" alone means no link; an absent key would send the viewer's
  // information button to the engine's own site instead.
  ini.Key(settings::kInformationHyperlink, options.link.empty() ? "http://" : options.link);
  ini.Key(settings::kInformationDocument, "");
  // The photos are the user's own: no maker's copyright line in the About box.
  ini.Key(settings::kCopyright, "");
  ini.Key(settings::kAboutBoxText, title);
  ini.Key(settings::kDisplayOrder,
          options.randomOrder ? settings::kRandomOrder : settings::kNormalOrder);
  ini.Key(settings::kShowCaptions, options.titles ? 1 : 0);
  ini.Key(settings::kEnlargeImage, options.enlarge ? 1 : 0);
  ini.Key(settings::kTileImage, options.tile ? 1 : 0);
  ini.Key(settings::kUseEffects, options.effects ? 1 : 0);
  ini.Key(settings::kMessageShowRandom, options.messagesRandom ? 1 : 0);
  ini.Key(settings::kMessageFrequency, options.messageFrequency);
  if (options.displayTime) ini.Key(settings::kImageDelay, *options.displayTime);
  if (options.blackWhite) ini.Key(settings::kBlackWhite, *options.blackWhite ? 1 : 0);
  if (options.effectSpeed) ini.Key(settings::kEffectSpeed, *options.effectSpeed);

  ini.Section(settings::kMessagesSection);
  ini.Key(settings::kMessageCount, static_cast<int>(files.messages.size()));
  for (std::size_t i = 0; i < files.messages.size(); ++i) {
    ini.Key(settings::MessageKey(static_cast<int>(i)), files.messages[i]);
  }
  PlayList(ini, settings::kStartupPlayList, options.startupSongs, files.startupSongs);
  PlayList(ini, settings::kSaverPlayList, options.saverSongs, files.saverSongs);
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
