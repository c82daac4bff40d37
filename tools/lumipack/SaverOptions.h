#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumipack {

// One of the saver's two play lists as the author asks for it: song files to
// pack, in order, and how the engine plays them.
struct SongListOptions {
  std::vector<std::string> files;  // paths as given
  bool loop = true;
  bool shuffle = true;
};

// What the author presets in the settings file of a saver made from photos.
// Every field starts as the builder's own default; the optional ones are
// written only when given, so a saver built without options keeps the
// settings file it always had.
struct SaverOptions {
  std::optional<int> displayTime;  // seconds
  bool randomOrder = true;
  bool titles = false;
  bool enlarge = true;
  // A portrait repeated across a landscape screen looks broken; centred on
  // black it looks like a photo.
  bool tile = false;
  std::optional<bool> blackWhite;
  bool effects = true;
  std::optional<int> effectSpeed;
  std::string messagesFile;  // one caption-bar message a line
  int messageFrequency = 0;  // percent of the pictures that get a message
  bool messagesRandom = true;
  std::optional<std::string> heading;  // ANSI; none means the saver's title
  std::string text;                    // ANSI, "|" between lines
  std::string link;                    // empty: no link
  SongListOptions startupSongs;        // played when the viewer opens
  SongListOptions saverSongs;          // played while the saver runs
};

// True for the names of the options below, each of which takes a value.
bool IsSaverOption(const std::string& name);

// Takes `NAME VALUE` for one of the saver's settings. seen collects the
// options given so far, so a setting given twice is refused; song files may
// be given any number of times. False, with a reason that names the option
// and what it accepts, for a value the engine would not take.
bool TakeSaverOption(const std::string& name, const std::string& value, SaverOptions& options,
                     std::set<std::string>& seen, std::string& error);

// Options that only make sense beside another: a message frequency without
// messages, play-list flags without songs. False with a one-line reason.
bool CheckSaverOptionsTogether(const std::set<std::string>& seen, const SaverOptions& options,
                               std::string& error);

extern const char kSaverOptionsHelp[];

}  // namespace lumipack
