#include "Lumipack.h"

#include "CommandLine.h"
#include "PackageLister.h"
#include "SaverBuilder.h"

namespace lumipack {

int RunLumipack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const CommandLine command = ParseCommandLine(args);
  std::string error;
  switch (command.mode) {
    case CommandLine::Mode::kUsageError:
      err << "lumipack: " << command.error << " (lumipack --help shows the usage)\n";
      return kExitUsage;
    case CommandLine::Mode::kHelp:
      out << kUsage;
      return kExitOk;
    case CommandLine::Mode::kList:
      if (ListPackage(command.file, out, error)) return kExitOk;
      break;
    case CommandLine::Mode::kBuild:
      if (BuildSaver(command.engine, command.out, command.folder, error)) return kExitOk;
      break;
  }
  err << "lumipack: " << error << '\n';
  return kExitFailed;
}

}  // namespace lumipack
