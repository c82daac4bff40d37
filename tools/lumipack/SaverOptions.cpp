#include "SaverOptions.h"

#include <cstdint>

#include "PhotoSaver.h"
#include "common/text/Numbers.h"
#include "slideshow/engine/settings/IniFile.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"

namespace lumipack {

namespace settings = lumi::settings_file;

const char kSaverOptionsHelp[] =
    "Settings of a saver made with --photos (each may be given once; the user\n"
    "can change the first eight in the saver's settings):\n"
    "  --display-time SECONDS   time each picture is shown, 5 to 300 (default 15)\n"
    "  --order random|normal    picture order (default random)\n"
    "  --titles on|off          show each picture's title (default off)\n"
    "  --enlarge on|off         enlarge pictures to fit the screen (default on)\n"
    "  --tile on|off            repeat pictures that do not fill the screen (default off)\n"
    "  --black-white on|off     show the pictures in black and white (default off)\n"
    "  --effects on|off         transition effects between pictures (default on)\n"
    "  --effect-speed 1|2|3     1 slow, 2 medium, 3 fast (default 1)\n"
    "  --messages FILE          caption-bar messages, one a line (default none)\n"
    "  --message-frequency PERCENT\n"
    "                           chance of a message with each picture, 0 to 100\n"
    "                           (default 0: about one picture in a hundred)\n"
    "  --message-order random|sequence\n"
    "                           order of the messages (default random)\n"
    "  --heading TEXT           the viewer's heading (default the saver's title)\n"
    "  --text TEXT              the viewer's text, '|' between lines (default none)\n"
    "  --link URL               the viewer's web address, http:// or https://\n"
    "                           (default none)\n"
    "  --song FILE              a MIDI song played while the saver runs; give it\n"
    "                           again for each song (default none)\n"
    "  --songs-loop on|off      start the songs again after the last (default on)\n"
    "  --songs-shuffle on|off   play the songs in a random order (default on)\n"
    "  --startup-song FILE      a MIDI song played when the viewer opens; give it\n"
    "                           again for each song (default none)\n"
    "  --startup-songs-loop on|off\n"
    "  --startup-songs-shuffle on|off\n"
    "                           as for --song (default on)\n";

namespace {

bool Refuse(std::string& error, std::string reason) {
  error = std::move(reason);
  return false;
}

bool TakeNumber(const std::string& value, int lowest, int highest, int& number) {
  zeb::DecimalRules rules;
  rules.lowest = lowest;
  rules.highest = highest;
  const std::optional<std::int64_t> parsed = zeb::ParseDecimal(value, rules);
  if (!parsed) return false;
  number = static_cast<int>(*parsed);
  return true;
}

// Either of two words, in any letter case; first means the first word.
bool TakeChoice(const std::string& value, const char* first, const char* second, bool& isFirst) {
  std::string folded = value;
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (folded != first && folded != second) return false;
  isFirst = folded == first;
  return true;
}

// Text the engine reads back in full: it cuts what it reads at this length.
bool FitsSettingText(const std::string& text) { return text.size() <= lumi::CIniFile::kMaxText; }

// The viewer opens the address through the shell, which would just as well
// start a program or open a local file; only a web page is let through.
bool IsWebAddress(const std::string& link) {
  for (const char* scheme : {"http://", "https://"}) {
    const std::string prefix(scheme);
    if (link.size() <= prefix.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      const char c = link[i];
      same = same && (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == prefix[i];
    }
    if (!same) continue;
    for (const char c : link) {
      if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F ||
          c == '"') {
        return false;
      }
    }
    return true;
  }
  return false;
}

// A line break typed into the viewer's text means a new line, which the
// settings file writes as '|'.
std::string ViewerText(const std::string& argument) {
  std::string text;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] == '\r' && i + 1 < argument.size() && argument[i + 1] == '\n') continue;
    text += argument[i] == '\n' || argument[i] == '\r' ? '|' : argument[i];
  }
  return TitleFromCommandLine(text);
}

}  // namespace

bool IsSaverOption(const std::string& name) {
  static const std::set<std::string> kNames = {"--display-time",
                                               "--order",
                                               "--titles",
                                               "--enlarge",
                                               "--tile",
                                               "--black-white",
                                               "--effects",
                                               "--effect-speed",
                                               "--messages",
                                               "--message-frequency",
                                               "--message-order",
                                               "--heading",
                                               "--text",
                                               "--link",
                                               "--song",
                                               "--songs-loop",
                                               "--songs-shuffle",
                                               "--startup-song",
                                               "--startup-songs-loop",
                                               "--startup-songs-shuffle"};
  return kNames.count(name) != 0;
}

bool TakeSaverOption(const std::string& name, const std::string& value, SaverOptions& options,
                     std::set<std::string>& seen, std::string& error) {
  const bool repeatable = name == "--song" || name == "--startup-song";
  if (!seen.insert(name).second && !repeatable) return Refuse(error, name + " given twice");
  struct Flag {
    const char* name;
    bool* flag;
  };
  const Flag flags[] = {{"--titles", &options.titles},
                        {"--enlarge", &options.enlarge},
                        {"--tile", &options.tile},
                        {"--effects", &options.effects},
                        {"--songs-loop", &options.saverSongs.loop},
                        {"--songs-shuffle", &options.saverSongs.shuffle},
                        {"--startup-songs-loop", &options.startupSongs.loop},
                        {"--startup-songs-shuffle", &options.startupSongs.shuffle}};
  const Flag* flag = nullptr;
  for (const Flag& candidate : flags) {
    if (name == candidate.name) flag = &candidate;
  }

  if (flag) {
    if (!TakeChoice(value, "on", "off", *flag->flag)) {
      return Refuse(error, name + " takes on or off, not \"" + value + "\"");
    }
  } else if (name == "--black-white") {
    bool on = false;
    if (!TakeChoice(value, "on", "off", on)) {
      return Refuse(error, name + " takes on or off, not \"" + value + "\"");
    }
    options.blackWhite = on;
  } else if (name == "--display-time") {
    int seconds = 0;
    if (!TakeNumber(value, settings::kMinImageDelay, settings::kMaxImageDelay, seconds)) {
      return Refuse(
          error, name + " takes whole seconds from " + std::to_string(settings::kMinImageDelay) +
                     " to " + std::to_string(settings::kMaxImageDelay) + ", not \"" + value + "\"");
    }
    options.displayTime = seconds;
  } else if (name == "--effect-speed") {
    int speed = 0;
    if (!TakeNumber(value, settings::kMinEffectSpeed, settings::kMaxEffectSpeed, speed)) {
      return Refuse(error, name + " takes 1 (slow), 2 (medium) or 3 (fast), not \"" + value + "\"");
    }
    options.effectSpeed = speed;
  } else if (name == "--message-frequency") {
    if (!TakeNumber(value, 0, 100, options.messageFrequency)) {
      return Refuse(error, name + " takes a percentage from 0 to 100, not \"" + value + "\"");
    }
  } else if (name == "--order") {
    if (!TakeChoice(value, "random", "normal", options.randomOrder)) {
      return Refuse(error, name + " takes random or normal, not \"" + value + "\"");
    }
  } else if (name == "--message-order") {
    if (!TakeChoice(value, "random", "sequence", options.messagesRandom)) {
      return Refuse(error, name + " takes random or sequence, not \"" + value + "\"");
    }
  } else if (name == "--messages") {
    options.messagesFile = value;
  } else if (name == "--heading" || name == "--text") {
    const std::string text = name == "--heading" ? TitleFromCommandLine(value) : ViewerText(value);
    if (!FitsSettingText(text)) {
      return Refuse(error, name + " is longer than the saver reads (" +
                               std::to_string(lumi::CIniFile::kMaxText) + " characters)");
    }
    if (name == "--heading") {
      options.heading = text;
    } else {
      options.text = text;
    }
  } else if (name == "--link") {
    if (!IsWebAddress(value) || !FitsSettingText(value)) {
      return Refuse(error, name +
                               " takes a web address starting with http:// or https://, "
                               "in plain ASCII without spaces or quotes, up to " +
                               std::to_string(lumi::CIniFile::kMaxText) + " characters");
    }
    options.link = value;
  } else if (name == "--song") {
    options.saverSongs.files.push_back(value);
  } else {
    options.startupSongs.files.push_back(value);
  }
  return true;
}

bool CheckSaverOptionsTogether(const std::set<std::string>& seen, const SaverOptions& options,
                               std::string& error) {
  const struct {
    const char* option;
    const char* needs;
    bool given;
  } pairs[] = {
      {"--message-frequency", "--messages", !options.messagesFile.empty()},
      {"--message-order", "--messages", !options.messagesFile.empty()},
      {"--songs-loop", "--song", !options.saverSongs.files.empty()},
      {"--songs-shuffle", "--song", !options.saverSongs.files.empty()},
      {"--startup-songs-loop", "--startup-song", !options.startupSongs.files.empty()},
      {"--startup-songs-shuffle", "--startup-song", !options.startupSongs.files.empty()},
  };
  for (const auto& pair : pairs) {
    if (seen.count(pair.option) && !pair.given) {
      error = std::string(pair.option) + " goes with " + pair.needs;
      return false;
    }
  }
  return true;
}

}  // namespace lumipack
