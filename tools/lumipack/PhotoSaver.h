#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "SaverOptions.h"

namespace lumipack {

// Counts photos done on the error stream. On a terminal one line is rewritten
// in place after every photo; into a file or pipe a line goes out every 50
// photos, so a log of a large folder shows progress without a line per photo.
class ProgressMeter {
 public:
  ProgressMeter(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}
  void Start(std::size_t total) { total_ = total; }
  void Done(std::size_t count);
  // Ends the rewritten line so that later messages start on their own.
  void Finish();

 private:
  std::ostream& err_;
  bool terminal_;
  std::size_t total_ = 0;
  bool shown_ = false;
};

struct PhotoReport {
  std::size_t packed = 0;
  std::size_t ignored = 0;           // files without a JPEG extension
  std::vector<std::string> skipped;  // "name: reason", in folder order
};

// Builds a saver from a folder of JPEG photos: the collection file with a
// title per photo from its file name, a settings file with the given title
// and the author's options, and a thumbnail per photo, all made in memory, so
// the folder is only read; the songs the options name follow the photos.
// Photos that cannot be read or decoded are left out and listed in the
// report. The title is ANSI text. False with a one-line reason when no saver
// was written, including when not one photo could be used or a file the
// options name is unfit; those files are checked before any photo is read.
bool BuildPhotoSaver(const std::filesystem::path& engine, const std::filesystem::path& out,
                     const std::filesystem::path& folder, const std::string& title,
                     const SaverOptions& options, ProgressMeter& progress, PhotoReport& report,
                     std::string& error);

// The --title argument as ANSI text: host consoles pass UTF-8.
std::string TitleFromCommandLine(const std::string& argument);

// The title a saver gets when none is given: the photo folder's own name, as
// ANSI text.
std::string DefaultTitle(const std::filesystem::path& folder);

// A file name (UTF-8) as it can be printed on this system's console.
std::string PrintableName(const std::string& utf8);

}  // namespace lumipack
