#include "Lumipack.h"

#include "CommandLine.h"
#include "PackageLister.h"
#include "PhotoSaver.h"
#include "SaverBuilder.h"

namespace lumipack {

namespace {

// Skipped photos are listed even when the build fails, so that a folder in
// which nothing could be used says why.
bool BuildFromPhotos(const CommandLine& command, std::ostream& out, std::ostream& err,
                     bool errIsTerminal, std::string& error) {
  ProgressMeter progress(err, errIsTerminal);
  PhotoReport report;
  const std::string title =
      command.title.empty() ? DefaultTitle(command.folder) : TitleFromCommandLine(command.title);
  const bool built = BuildPhotoSaver(command.engine, command.out, command.folder, title,
                                     command.saver, progress, report, error);
  for (const std::string& skipped : report.skipped) err << "lumipack: skipped " << skipped << '\n';
  if (!built) return false;
  out << "lumipack: packed " << report.packed << (report.packed == 1 ? " photo" : " photos")
      << " into " << command.out << '\n';
  if (report.ignored > 0) {
    out << "lumipack: ignored " << report.ignored
        << (report.ignored == 1 ? " file that is" : " files that are") << " not a JPEG photo\n";
  }
  if (!report.skipped.empty()) {
    out << "lumipack: skipped " << report.skipped.size()
        << (report.skipped.size() == 1 ? " photo" : " photos")
        << " that could not be used (listed on the error output)\n";
  }
  return true;
}

}  // namespace

int RunLumipack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                bool errIsTerminal) {
  const CommandLine command = ParseCommandLine(args);
  std::string error;
  switch (command.mode) {
    case CommandLine::Mode::kUsageError:
      err << "lumipack: " << command.error << " (lumipack --help shows the usage)\n";
      return kExitUsage;
    case CommandLine::Mode::kHelp:
      out << UsageText();
      return kExitOk;
    case CommandLine::Mode::kList:
      if (ListPackage(command.file, out, error)) return kExitOk;
      break;
    case CommandLine::Mode::kBuild:
      if (BuildSaver(command.engine, command.out, command.folder, error)) return kExitOk;
      break;
    case CommandLine::Mode::kBuildPhotos:
      if (BuildFromPhotos(command, out, err, errIsTerminal, error)) return kExitOk;
      break;
  }
  err << "lumipack: " << error << '\n';
  return kExitFailed;
}

}  // namespace lumipack
