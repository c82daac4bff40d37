#pragma once
// A scratch copy of the committed photo folder, an engine stand-in and the
// saver built from them, read back through the engine's package reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Lumipack.h"
#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/PackageReader.h"

namespace lumipack::test {

namespace fs = std::filesystem;

using Ini = std::map<std::string, std::map<std::string, std::string>>;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Section and key names as written; enough to check what we write.
inline Ini ParseIni(const std::string& text) {
  Ini ini;
  std::istringstream lines(text);
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (std::size_t eq = line.find('='); eq != std::string::npos) {
      ini[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return ini;
}

inline fs::path TestPhotos() {
  std::string path = LUMIPACK_TEST_PHOTOS;
#ifdef _WIN32
  // The source tree is a host path; Wine shows the host's root as drive Z.
  if (path.front() == '/') path = "Z:" + path;
#endif
  return fs::path(path);
}

struct Saver {
  std::string bytes;
  std::vector<lumi::PackageEntry> entries;
  std::string Member(const std::string& name) const {
    for (const auto& entry : entries) {
      if (entry.name == name) return bytes.substr(entry.dataOffset, entry.dataSize);
    }
    ADD_FAILURE() << "no member " << name;
    return {};
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }
};

class PhotoFolderTest : public testing::Test {
 public:
  void SetUp() override {
    root_ =
        fs::temp_directory_path() / ("lumipack-photos-" + std::to_string(std::random_device()()));
    fs::create_directories(Photos());
    for (const auto& file : fs::directory_iterator(TestPhotos())) {
      fs::copy_file(file.path(), Photos() / file.path().filename());
    }
    std::string engineBytes = "MZ";
    for (int i = 0; i < 3000; ++i) engineBytes += static_cast<char>(i * 7);
    std::ofstream(Engine(), std::ios::binary) << engineBytes;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path Photos() const { return root_ / "photos"; }
  fs::path Engine() const { return root_ / "engine.scr"; }
  fs::path Out() const { return root_ / "out.scr"; }

  struct Run {
    int code;
    std::string out, err;
  };
  Run Build(std::vector<std::string> extra = {"--title", "Coast Walk"}) {
    std::vector<std::string> args = {"--engine",     Engine().string(), "--out",
                                     Out().string(), "--photos",        Photos().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::ostringstream out, err;
    const int code = RunLumipack(args, out, err);
    return {code, out.str(), err.str()};
  }

  Saver ReadSaver() const {
    Saver saver{ReadFile(Out()), {}};
    lumi::FileByteSource source;
    EXPECT_TRUE(source.Open(Out()));
    lumi::PackageDirectory directory;
    EXPECT_EQ(lumi::ReadPackageDirectory(source, directory), lumi::ReadOutcome::kOk);
    saver.entries = directory.Entries();
    return saver;
  }

  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& file : fs::directory_iterator(Photos())) {
      files[file.path().filename().string()] = ReadFile(file.path());
    }
    return files;
  }

  fs::path root_;
};

}  // namespace lumipack::test
