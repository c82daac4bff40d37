#include "PackageLister.h"

#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/PackageFormat.h"
#include "slideshow/engine/package/PackageReader.h"

namespace lumipack {

bool ListPackage(const std::filesystem::path& saver, std::ostream& out, std::string& error) {
  lumi::FileByteSource source;
  if (!source.Open(saver)) {
    error = "cannot open " + saver.string();
    return false;
  }
  lumi::PackageDirectory directory;
  switch (lumi::ReadPackageDirectory(source, directory)) {
    case lumi::ReadOutcome::kOk:
      break;
    case lumi::ReadOutcome::kNotPackage:
      error = "no package in " + saver.string();
      return false;
    case lumi::ReadOutcome::kBadFormat:
      error = "damaged package in " + saver.string();
      return false;
  }
  // The engine opens a package of another version as an empty one; say so
  // rather than print nothing.
  if (directory.Version() != lumi::kPackageVersion) {
    error = "package version " + std::to_string(directory.Version()) +
            " is not supported: " + saver.string();
    return false;
  }
  for (const lumi::PackageEntry& entry : directory.Entries()) {
    out << entry.name << '\t' << entry.dataSize;
    if (!entry.nameIsSafe) out << "\tunsafe name, never used";
    out << '\n';
  }
  return true;
}

}  // namespace lumipack
