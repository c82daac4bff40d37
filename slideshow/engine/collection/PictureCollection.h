#pragma once
// One picture collection file: section "General" describes the collection,
// sections "Picture1" to "Picture<Count>" its pictures. Only the count and
// title are taken when the file is opened; every other value is read from the
// file when asked for, so a file changed on disk is seen at the next read.
#include <string>

#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/settings/IniFile.h"

namespace lumi {

class CPictureCollection {
 public:
  // False when no file exists at the path; the collection is then unchanged.
  bool Open(const std::string& path);

  const std::string& GetPath() const { return path_; }
  // The path up to and including its last backslash.
  const std::string& GetFolder() const { return folder_; }
  // "Count" of section "General" as the file says now.
  int GetPictureCount() const;
  // "Count" as it was when the file was opened.
  int GetCountAtOpen() const { return countAtOpen_; }
  const std::string& GetTitle() const { return title_; }
  bool IsActive() const;
  // Position in the collection list, from 0.
  int GetNumber() const { return number_; }
  void SetNumber(int number) { number_ = number; }

  static std::string SectionName(int pictureNumber);

  // Fills the record from section index + 1. False, with the record left
  // untouched, when the index is outside 0 .. count - 1; otherwise the record
  // is filled and the result says whether the picture has an Image or a Thumb.
  bool LoadPicture(CPictureInfo& info, int index) const;
  bool IsRemoved(int index) const;

 private:
  std::string path_;
  std::string folder_;
  CIniFile ini_;
  int countAtOpen_ = 0;
  std::string title_;
  int number_ = 0;
};

}  // namespace lumi
