#pragma once
// What the settings store and the collection need of the bound package: a
// member written to a temporary file, by name. The application object offers
// it; tests pass a folder of files instead.
#include <string>

namespace lumi {

class PackageFiles {
 public:
  virtual ~PackageFiles() = default;
  // Full path of a file holding the member, or empty when there is none.
  virtual std::string ExtractPackageFile(const std::string& name) = 0;
};

}  // namespace lumi
