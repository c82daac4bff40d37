#pragma once
// The one settings store of the slideshow engine. It answers from the user
// file (what the user chose, shared by every saver on this engine) and the
// package settings file (what the saver's author chose, read only); most user
// settings default to a package key, so an author presets and a user
// overrides. Every getter reads its file at the time of the call and every
// setter writes at once. Missing or malformed values take their defaults.
#include <ctime>
#include <functional>
#include <string>
#include <utility>

#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/MessageChoice.h"
#include "slideshow/engine/settings/SoundPlayList.h"
#include "slideshow/engine/settings/SystemFacts.h"

namespace lumi {

class CCollectionList;
class CPictureInfo;
class PackageFiles;

class CSaverSettings {
 public:
  // Production binds the user file by its bare name (the Windows folder) and
  // asks the system for its family; tests pass their own file and family.
  explicit CSaverSettings(std::string userFile = kUserSettingsFileName,
                          bool ntFamily = IsNtFamily());

  // Start-up, once, with the extracted settings file (empty when the package
  // has none): binds the package file, loads both play lists and resolves
  // their entries through the package, which is also kept for extracting the
  // information document.
  void SetPackageSettingsFile(const std::string& path, PackageFiles& package);

  // What two setters also do belongs to other parts of the program, which
  // hand it in at start-up: registering this saver as the system's saver, and
  // stopping the music at once.
  void SetSystemSaverInstaller(std::function<void(bool)> install) { install_ = std::move(install); }
  void SetSoundStopper(std::function<void()> stop) { stopSound_ = std::move(stop); }

  const CIniFile& GetUserFile() const { return user_; }
  const CIniFile& GetPackageFile() const { return package_; }
  const CSoundPlayList& GetStartupPlayList() const { return startupPlayList_; }  // SPL_AppStartup
  const CSoundPlayList& GetSaverPlayList() const { return saverPlayList_; }      // SPL_SSRun

  // User file, section "General".
  int GetImageDelay() const;  // seconds, 5..300
  void SetImageDelay(int seconds);
  bool GetRandom() const;
  void SetRandom(bool on);
  bool GetLumishowIsScreenSaver() const;
  void SetLumishowIsScreenSaver(bool on);
  bool GetBlackWhite() const;
  void SetBlackWhite(bool on);
  bool GetTitles() const;
  void SetTitles(bool on);
  bool GetEnlargeSaverPics() const;
  void SetEnlargeSaverPics(bool on);
  bool GetEnlargeWallpaperPics() const;
  void SetEnlargeWallpaperPics(bool on);
  bool GetTileSaverPics() const;
  void SetTileSaverPics(bool on);
  bool GetUseSoundEffects() const;
  void SetUseSoundEffects(bool on);
  int GetLastMessageDisplayed() const;
  void SetLastMessageDisplayed(int number);

  // Section "Password". On the NT family the system's own saver password
  // applies, so the engine's is never in use there.
  std::string GetPassword() const;
  bool IsPasswordInUse() const;
  void SetPassword(const std::string& password);  // empty text also turns it off
  void SetPasswordInUse(bool on);

  // Section "Wallpaper".
  int GetWallpaperCycle() const;  // as stored; written limited to 0..3
  void SetWallpaperCycle(int cycle);
  bool GetWallpaperBlackAndWhite() const;
  void SetWallpaperBlackAndWhite(bool on);
  void SetLastWallpaperChange(std::time_t when);
  void ResetLastWallpaperChange();
  // Local time of the last change, on the hour; -1 when the stored date is
  // not one the runtime can represent.
  std::time_t GetLastWallpaperChange() const;
  bool IsWallpaperChangeDue(std::time_t now) const;
  bool IsWallpaperChangeDue() const { return IsWallpaperChangeDue(std::time(nullptr)); }

  // Section "Paths".
  std::string GetSaverPath() const;
  void StoreSaverPath();

  // Section "Status": where the slideshow resumes.
  int GetCurCollection() const;  // collection number + 1
  int GetNextImage() const;      // picture index + 1
  // A record that came from no collection has no place to resume and is not stored.
  void SaveNextPicture(const CPictureInfo& picture);
  // The same for picture `index` of the collection numbered `collection`.
  void SaveNextPicture(int collection, int index);
  bool LoadNextPicture(CPictureInfo& picture, const CCollectionList& collections) const;

  // Section "Effects".
  int GetEffectSpeed() const;
  void SetEffectSpeed(int speed);
  bool IsEffectEnabled(const std::string& effectName) const;
  void SetEffectEnabled(const std::string& effectName, bool on);

  // Package file, section "General_Settings".
  std::string GetTitle() const;
  std::string GetCustomHeading() const;
  std::string GetCustomText() const;     // "|" as line breaks
  std::string GetCustomGraphic() const;  // package reference or empty
  std::string GetInformationHyperlink() const;
  std::string GetInformationDocument() const;  // extracted file or empty
  std::string GetCopyright() const;
  std::string GetAboutBoxText() const;
  bool GetMessageShowRandom() const;
  int GetMessageFrequency() const;

  // The message for the next picture, or empty. The first form seeds rand()
  // with the time in seconds and draws from it.
  std::string NextMessage();
  std::string NextMessage(const RandomNumber& random);

 private:
  CSoundPlayList startupPlayList_;
  CSoundPlayList saverPlayList_;
  CIniFile user_;
  CIniFile package_;
  bool ntFamily_;
  PackageFiles* packageFiles_ = nullptr;
  std::function<void(bool)> install_;
  std::function<void()> stopSound_;
};

// The process's one store, over the user file in the Windows folder.
CSaverSettings& GetSaverSettings();

}  // namespace lumi
