#pragma once
// A private folder under the temporary folder, removed with its files, and a
// package that "extracts" its members into it as "x-" and the member name.
#include <map>
#include <string>
#include <vector>

#include "slideshow/engine/PackageFiles.h"

namespace lumi::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string Path(const std::string& name) const { return folder_ + name; }
  // A new file for every call, so no content is replaced under the
  // platform's profile cache.
  std::string Write(const std::string& text);

 private:
  std::string folder_;
  int files_ = 0;
};

class FakePackage : public PackageFiles {
 public:
  explicit FakePackage(TempFolder& folder) : folder_(folder) {}
  void Add(const std::string& name, const std::string& content) { members_[name] = content; }
  std::string ExtractPackageFile(const std::string& name) override;
  const std::vector<std::string>& Requests() const { return requests_; }

 private:
  TempFolder& folder_;
  std::map<std::string, std::string> members_;
  std::vector<std::string> requests_;
};

}  // namespace lumi::test
