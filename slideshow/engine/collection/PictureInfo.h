#pragma once
// The record one picture section is read into. A new record has empty texts,
// zero numbers, the bottom right overlay corner and no collection.
#include <string>

#include "slideshow/engine/collection/PictureRules.h"

namespace lumi {

class CPictureCollection;

class CPictureInfo {
 public:
  const std::string& GetTitle() const { return title_; }
  const std::string& GetText() const { return text_; }
  // "@pk@" and the Image member name, or empty.
  const std::string& GetImageRef() const { return imageRef_; }
  // "@pk@" and the Thumb member name, or empty.
  const std::string& GetThumbRef() const { return thumbRef_; }
  const std::string& GetCopyright() const { return copyright_; }
  // Folder of the collection file, with its trailing backslash.
  const std::string& GetFolder() const { return folder_; }
  // "JPG", "BMP", ...: the Image name's extension in upper case.
  const std::string& GetImageType() const { return imageType_; }
  const std::string& GetGraphicName() const { return graphicName_; }
  const std::string& GetSoundName() const { return soundName_; }
  // One of the OverlayPosition values.
  int GetGraphicPosition() const { return graphicPosition_; }
  // Seconds; 0 means the general image delay.
  int GetDisplayTime() const { return displayTime_; }
  // 0-based within its collection.
  int GetIndex() const { return index_; }
  int GetRepeatSound() const { return repeatSound_; }
  // The collection the picture came from (not owned); null for a new record.
  const CPictureCollection* GetCollection() const { return collection_; }

  // Asks the collection with this picture's index; a record that came from no
  // collection is not removed.
  bool IsRemoved() const;

 private:
  friend class CPictureCollection;

  std::string title_;
  std::string text_;
  std::string imageRef_;
  std::string thumbRef_;
  std::string copyright_;
  std::string folder_;
  std::string imageType_;
  std::string graphicName_;
  std::string soundName_;
  int graphicPosition_ = kOverlayBottomRight;
  int displayTime_ = 0;
  int index_ = 0;
  int repeatSound_ = 0;
  const CPictureCollection* collection_ = nullptr;
};

}  // namespace lumi
