#pragma once

#include <string>
#include <vector>

#include "AuthorFiles.h"
#include "SaverOptions.h"

namespace lumipack {

// One photo as the collection file describes it.
struct PhotoEntry {
  std::string title;      // ANSI, may be empty
  std::string imageName;  // member holding the JPEG
  std::string thumbName;  // member holding its thumbnail
  int width = 0;          // upright size of the picture
  int height = 0;
};

// The saver's Settings.ini: the title and what the author chose, the messages
// and the play lists naming the songs' members. Without options it holds the
// slideshow's usual behaviour and no texts, messages or music.
std::string PhotoSettingsIni(const std::string& title, const SaverOptions& options = {},
                             const AuthorFiles& files = {});

// The saver's Pics.cvn: one collection of the photos, numbered from 1 in the
// order given.
std::string PhotoCollectionIni(const std::string& title, const std::vector<PhotoEntry>& photos);

}  // namespace lumipack
