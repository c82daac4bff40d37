#include "slideshow/engine/settings/SaverSettings.h"

#include <cstdlib>
#include <utility>

#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"
#include "slideshow/engine/settings/PackageSettingsRules.h"
#include "slideshow/engine/settings/WallpaperSchedule.h"

namespace lumi {
namespace {
constexpr char kGeneral[] = "General";
constexpr char kPassword[] = "Password";
constexpr char kWallpaper[] = "Wallpaper";
constexpr char kPaths[] = "Paths";
constexpr char kStatus[] = "Status";
constexpr char kEffects[] = "Effects";
namespace pkg = settings_file;

constexpr char kDefaultTitle[] = "Lumishow Screen Saver";
constexpr char kDefaultHyperlink[] = "http://www.corvane.example/";
constexpr char kDefaultCopyright[] = "Copyright (c) Corvane. All rights reserved.";

constexpr int kNeverChangedYear = 1990;
}  // namespace

CSaverSettings::CSaverSettings(std::string userFile, bool ntFamily)
    : user_(std::move(userFile)), ntFamily_(ntFamily) {}

void CSaverSettings::SetPackageSettingsFile(const std::string& path, PackageFiles& package) {
  package_.SetFile(path);
  packageFiles_ = &package;
  startupPlayList_.Load(package_, pkg::kStartupPlayList);
  saverPlayList_.Load(package_, pkg::kSaverPlayList);
  startupPlayList_.Resolve(package);
  saverPlayList_.Resolve(package);
}

int CSaverSettings::GetImageDelay() const {
  return user_.GetIntClamped(
      kGeneral, "ImageDelay",
      package_.GetInt(pkg::kGeneralSection, pkg::kImageDelay, pkg::kDefaultImageDelay),
      pkg::kMinImageDelay, pkg::kMaxImageDelay);
}
void CSaverSettings::SetImageDelay(int seconds) {
  user_.PutIntClamped(kGeneral, "ImageDelay", seconds, pkg::kMinImageDelay, pkg::kMaxImageDelay);
}

bool CSaverSettings::GetRandom() const {
  const bool byAuthor = IsRandomDisplayOrder(
      package_.GetString(pkg::kGeneralSection, pkg::kDisplayOrder, pkg::kRandomOrder));
  return user_.GetFlag(kGeneral, "Random", byAuthor);
}
void CSaverSettings::SetRandom(bool on) { user_.PutFlag(kGeneral, "Random", on); }

bool CSaverSettings::GetLumishowIsScreenSaver() const {
  return user_.GetFlag(kGeneral, "LumishowIsScreenSaver", true);
}
void CSaverSettings::SetLumishowIsScreenSaver(bool on) {
  user_.PutFlag(kGeneral, "LumishowIsScreenSaver", on);
  if (install_) install_(on);
}

bool CSaverSettings::GetBlackWhite() const {
  return user_.GetFlag(kGeneral, "BlackWhite",
                       package_.GetFlag(pkg::kGeneralSection, pkg::kBlackWhite, false));
}
void CSaverSettings::SetBlackWhite(bool on) { user_.PutFlag(kGeneral, "BlackWhite", on); }

bool CSaverSettings::GetTitles() const {
  return user_.GetFlag(kGeneral, "Titles",
                       package_.GetFlag(pkg::kGeneralSection, pkg::kShowCaptions, false));
}
void CSaverSettings::SetTitles(bool on) { user_.PutFlag(kGeneral, "Titles", on); }

bool CSaverSettings::GetEnlargeSaverPics() const {
  return user_.GetFlag(kGeneral, "EnlargeSaverPics",
                       package_.GetFlag(pkg::kGeneralSection, pkg::kEnlargeImage, true));
}
void CSaverSettings::SetEnlargeSaverPics(bool on) {
  user_.PutFlag(kGeneral, "EnlargeSaverPics", on);
}

bool CSaverSettings::GetEnlargeWallpaperPics() const {
  return user_.GetFlag(kGeneral, "EnlargeWallpaperPics",
                       package_.GetFlag(pkg::kGeneralSection, pkg::kEnlargeImage, true));
}
void CSaverSettings::SetEnlargeWallpaperPics(bool on) {
  user_.PutFlag(kGeneral, "EnlargeWallpaperPics", on);
}

bool CSaverSettings::GetTileSaverPics() const {
  return user_.GetFlag(kGeneral, "TileSaverPics",
                       package_.GetFlag(pkg::kGeneralSection, pkg::kTileImage, true));
}
void CSaverSettings::SetTileSaverPics(bool on) { user_.PutFlag(kGeneral, "TileSaverPics", on); }

bool CSaverSettings::GetUseSoundEffects() const {
  return user_.GetFlag(kGeneral, "UseSoundEffects", true);
}
void CSaverSettings::SetUseSoundEffects(bool on) {
  user_.PutFlag(kGeneral, "UseSoundEffects", on);
  if (!on && stopSound_) stopSound_();
}

int CSaverSettings::GetLastMessageDisplayed() const {
  return user_.GetInt(kGeneral, "LastMessageDisplayed", -1);
}
void CSaverSettings::SetLastMessageDisplayed(int number) {
  user_.PutInt(kGeneral, "LastMessageDisplayed", number);
}

std::string CSaverSettings::GetPassword() const {
  if (ntFamily_ || !user_.GetFlag(kPassword, "InUse", false)) return {};
  return user_.GetString(kPassword, "Password");
}
bool CSaverSettings::IsPasswordInUse() const {
  return !ntFamily_ && user_.GetFlag(kPassword, "InUse", false);
}
void CSaverSettings::SetPassword(const std::string& password) {
  if (password.empty()) SetPasswordInUse(false);
  user_.PutString(kPassword, "Password", password);
}
void CSaverSettings::SetPasswordInUse(bool on) { user_.PutFlag(kPassword, "InUse", on); }

int CSaverSettings::GetWallpaperCycle() const { return user_.GetInt(kWallpaper, "Cycle", 0); }
void CSaverSettings::SetWallpaperCycle(int cycle) {
  user_.PutIntClamped(kWallpaper, "Cycle", cycle, kCycleNever, kCycleWeekly);
}

bool CSaverSettings::GetWallpaperBlackAndWhite() const {
  return user_.GetFlag(kWallpaper, "BlackAndWhite", false);
}
void CSaverSettings::SetWallpaperBlackAndWhite(bool on) {
  user_.PutFlag(kWallpaper, "BlackAndWhite", on);
}

void CSaverSettings::SetLastWallpaperChange(std::time_t when) {
  const std::tm* local = std::localtime(&when);
  if (!local) return;
  const std::tm t = *local;
  user_.PutInt(kWallpaper, "LastYear", t.tm_year + 1900);
  user_.PutInt(kWallpaper, "LastMonth", t.tm_mon + 1);
  user_.PutInt(kWallpaper, "LastDay", t.tm_mday);
  user_.PutInt(kWallpaper, "LastHour", t.tm_hour);
}

void CSaverSettings::ResetLastWallpaperChange() {
  user_.PutInt(kWallpaper, "LastYear", kNeverChangedYear);
  user_.PutInt(kWallpaper, "LastMonth", 1);
  user_.PutInt(kWallpaper, "LastDay", 1);
  user_.PutInt(kWallpaper, "LastHour", 1);
}

std::time_t CSaverSettings::GetLastWallpaperChange() const {
  std::tm t{};
  t.tm_year = user_.GetInt(kWallpaper, "LastYear", kNeverChangedYear) - 1900;
  t.tm_mon = user_.GetInt(kWallpaper, "LastMonth", 1) - 1;
  t.tm_mday = user_.GetInt(kWallpaper, "LastDay", 1);
  t.tm_hour = user_.GetInt(kWallpaper, "LastHour", 1);
  t.tm_isdst = -1;  // the runtime decides whether daylight saving applied
  return std::mktime(&t);
}

bool CSaverSettings::IsWallpaperChangeDue(std::time_t now) const {
  return lumi::IsWallpaperChangeDue(GetWallpaperCycle(), GetLastWallpaperChange(), now);
}

std::string CSaverSettings::GetSaverPath() const {
  return user_.GetString(kPaths, "SaverPath", ShortModulePath().c_str());
}
void CSaverSettings::StoreSaverPath() { user_.PutString(kPaths, "SaverPath", ShortModulePath()); }

int CSaverSettings::GetCurCollection() const { return user_.GetInt(kStatus, "CurCollection", 1); }
int CSaverSettings::GetNextImage() const { return user_.GetInt(kStatus, "NextImage", 1); }

void CSaverSettings::SaveNextPicture(const CPictureInfo& picture) {
  if (!picture.GetCollection()) return;
  SaveNextPicture(picture.GetCollection()->GetNumber(), picture.GetIndex());
}

void CSaverSettings::SaveNextPicture(int collection, int index) {
  user_.PutInt(kStatus, "NextImage", index + 1);
  user_.PutInt(kStatus, "CurCollection", collection + 1);
}

bool CSaverSettings::LoadNextPicture(CPictureInfo& picture,
                                     const CCollectionList& collections) const {
  const int curCollection = GetCurCollection();
  const int nextImage = GetNextImage();
  if (collections.GetCount() == 0) return false;
  int index = curCollection - 1;
  if (index < 0 || index >= collections.GetCount()) index = 0;
  return collections.GetAt(index)->LoadPicture(picture, nextImage - 1);
}

int CSaverSettings::GetEffectSpeed() const {
  return user_.GetInt(kEffects, "EffectSpeed",
                      package_.GetInt(pkg::kGeneralSection, pkg::kEffectSpeed, 1));
}
void CSaverSettings::SetEffectSpeed(int speed) { user_.PutInt(kEffects, "EffectSpeed", speed); }

bool CSaverSettings::IsEffectEnabled(const std::string& effectName) const {
  return user_.GetFlag(kEffects, effectName.c_str(),
                       package_.GetFlag(pkg::kGeneralSection, pkg::kUseEffects, true));
}
void CSaverSettings::SetEffectEnabled(const std::string& effectName, bool on) {
  user_.PutFlag(kEffects, effectName.c_str(), on);
}

std::string CSaverSettings::GetTitle() const {
  return package_.GetString(pkg::kGeneralSection, pkg::kTitle, kDefaultTitle);
}
std::string CSaverSettings::GetCustomHeading() const {
  return package_.GetString(pkg::kGeneralSection, pkg::kCustomHeading);
}
std::string CSaverSettings::GetCustomText() const {
  return CustomTextForDisplay(package_.GetString(pkg::kGeneralSection, pkg::kCustomText));
}
std::string CSaverSettings::GetCustomGraphic() const {
  return PackageReference(package_.GetString(pkg::kGeneralSection, pkg::kCustomGraphic));
}
std::string CSaverSettings::GetInformationHyperlink() const {
  return HyperlinkForDisplay(
      package_.GetString(pkg::kGeneralSection, pkg::kInformationHyperlink, kDefaultHyperlink));
}
std::string CSaverSettings::GetInformationDocument() const {
  const std::string name = package_.GetString(pkg::kGeneralSection, pkg::kInformationDocument);
  if (name.empty() || !packageFiles_) return {};
  return packageFiles_->ExtractPackageFile(name);
}
std::string CSaverSettings::GetCopyright() const {
  return package_.GetString(pkg::kGeneralSection, pkg::kCopyright, kDefaultCopyright);
}
std::string CSaverSettings::GetAboutBoxText() const {
  return package_.GetString(pkg::kGeneralSection, pkg::kAboutBoxText);
}
bool CSaverSettings::GetMessageShowRandom() const {
  return package_.GetFlag(pkg::kGeneralSection, pkg::kMessageShowRandom, true);
}
int CSaverSettings::GetMessageFrequency() const {
  return package_.GetInt(pkg::kGeneralSection, pkg::kMessageFrequency, 0);
}

std::string CSaverSettings::NextMessage() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  return NextMessage([] { return std::rand(); });
}

std::string CSaverSettings::NextMessage(const RandomNumber& random) {
  const int count = package_.GetInt(pkg::kMessagesSection, pkg::kMessageCount, 0);
  const bool showRandom = GetMessageShowRandom();
  const int lastDisplayed = showRandom ? -1 : GetLastMessageDisplayed();
  const MessagePick pick =
      PickMessage(count, GetMessageFrequency(), showRandom, lastDisplayed, random);
  if (pick.number < 0) return {};
  if (pick.sequenceMoved) SetLastMessageDisplayed(pick.number);
  return package_.GetString(pkg::kMessagesSection, pkg::MessageKey(pick.number).c_str());
}

CSaverSettings& GetSaverSettings() {
  static CSaverSettings settings;
  return settings;
}

}  // namespace lumi
