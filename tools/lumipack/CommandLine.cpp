#include "CommandLine.h"

#include <cstddef>
#include <set>
#include <utility>

namespace lumipack {

namespace {

const char kUsage[] =
    "usage: lumipack --engine ENGINE --out OUT.scr FOLDER\n"
    "       lumipack --engine ENGINE --out OUT.scr --photos FOLDER [--title TITLE]\n"
    "                [SETTINGS...]\n"
    "       lumipack --list FILE.scr\n"
    "       lumipack --help\n"
    "\n"
    "Builds a slideshow saver: copies ENGINE to OUT.scr and appends a package of\n"
    "every file directly in FOLDER. FOLDER must hold Settings.ini and Pics.cvn;\n"
    "they become the first two members, the other files follow in name order.\n"
    "--photos makes the saver from a folder of JPEG photos (.jpg, .jpeg, .jpe):\n"
    "it writes Pics.cvn with a title per photo from its file name, Settings.ini\n"
    "titled TITLE (default: the folder's name) and a thumbnail per photo, and\n"
    "packs them with the photos. The folder is only read. Other files are\n"
    "ignored; photos that cannot be read are skipped and listed at the end.\n"
    "--list prints the members of a saver, one per line: name, a tab, the size.\n";

CommandLine UsageError(std::string error) {
  CommandLine command;
  command.error = std::move(error);
  return command;
}

}  // namespace

std::string UsageText() { return std::string(kUsage) + "\n" + kSaverOptionsHelp; }

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine command;
  bool listing = false;
  std::string photos;
  std::vector<std::string> positional;
  std::set<std::string> settingsSeen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      command.mode = CommandLine::Mode::kHelp;
      return command;
    }
    std::string* value = nullptr;
    if (arg == "--engine") {
      value = &command.engine;
    } else if (arg == "--out") {
      value = &command.out;
    } else if (arg == "--photos") {
      value = &photos;
    } else if (arg == "--title") {
      value = &command.title;
    } else if (arg == "--list") {
      value = &command.file;
      listing = true;
    } else if (IsSaverOption(arg)) {
      if (i + 1 == args.size() || args[i + 1].empty()) return UsageError(arg + " needs a value");
      std::string error;
      if (!TakeSaverOption(arg, args[++i], command.saver, settingsSeen, error)) {
        return UsageError(error);
      }
      continue;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option " + arg);
    } else {
      positional.push_back(arg);
      continue;
    }
    if (i + 1 == args.size() || args[i + 1].empty()) return UsageError(arg + " needs a value");
    if (!value->empty()) return UsageError(arg + " given twice");
    *value = args[++i];
  }

  if (listing) {
    if (!command.engine.empty() || !command.out.empty() || !positional.empty() || !photos.empty() ||
        !command.title.empty() || !settingsSeen.empty()) {
      return UsageError("--list takes only the saver to list");
    }
    command.mode = CommandLine::Mode::kList;
    return command;
  }
  if (args.empty()) return UsageError("nothing to do");
  if (command.engine.empty()) return UsageError("--engine is missing");
  if (command.out.empty()) return UsageError("--out is missing");
  if (!photos.empty()) {
    if (!positional.empty()) return UsageError("--photos takes the place of the package folder");
    std::string error;
    if (!CheckSaverOptionsTogether(settingsSeen, command.saver, error)) return UsageError(error);
    command.folder = photos;
    command.mode = CommandLine::Mode::kBuildPhotos;
    return command;
  }
  if (!command.title.empty()) return UsageError("--title goes with --photos");
  // A prepared folder brings its own settings file.
  if (!settingsSeen.empty()) return UsageError(*settingsSeen.begin() + " goes with --photos");
  if (positional.empty()) return UsageError("the package folder is missing");
  if (positional.size() > 1) return UsageError("only one package folder can be given");
  command.folder = positional.front();
  command.mode = CommandLine::Mode::kBuild;
  return command;
}

}  // namespace lumipack
