#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Lumipack.h"
#include "slideshow/engine/package/FileByteSource.h"
#include "slideshow/engine/package/PackageReader.h"

namespace lumipack {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int code;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A scratch folder with an engine stand-in and a package folder ready to build.
class LumipackTest : public testing::Test {
 public:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("lumipack-test-" + std::to_string(std::random_device()()));
    fs::create_directories(root_ / "content" / "subfolder");
    engine_ = root_ / "engine.scr";
    std::string engineBytes = "MZ";
    for (int i = 0; i < 5000; ++i) engineBytes += static_cast<char>(i * 13);
    WriteFile(engine_, engineBytes);
    AddContent("Settings.ini", "[General_Settings]\r\nTitle=Coast\r\n");
    AddContent("Pics.cvn", "[General]\r\nCount=1\r\n");
    AddContent("b.jpg", std::string("\xFF\xD8\xFF", 3) + std::string(20618, 'j'));
    AddContent("A.thu", "BM");
    AddContent("c.rmi", "");
    WriteFile(root_ / "content" / "subfolder" / "ignored.jpg", "x");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  void AddContent(const std::string& name, const std::string& bytes) {
    WriteFile(Content() / name, bytes);
  }
  fs::path Content() const { return root_ / "content"; }
  fs::path Out() const { return root_ / "out.scr"; }

  RunResult Lumipack(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunLumipack(args, out, err);
    return {code, out.str(), err.str()};
  }
  RunResult Build() {
    return Lumipack({"--engine", engine_.string(), "--out", Out().string(), Content().string()});
  }

  fs::path root_;
  fs::path engine_;
};

TEST_F(LumipackTest, BuildsASaverTheReaderUnderstands) {
  const RunResult run = Build();
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(fs::exists(fs::path(Out()) += ".partial"));

  const std::string saver = ReadFile(Out());
  const std::string engine = ReadFile(engine_);
  EXPECT_EQ(saver.substr(0, engine.size()), engine);
  lumi::FileByteSource source;
  ASSERT_TRUE(source.Open(Out()));
  lumi::PackageDirectory directory;
  ASSERT_EQ(lumi::ReadPackageDirectory(source, directory), lumi::ReadOutcome::kOk);
  const std::vector<std::string> order = {"Settings.ini", "Pics.cvn", "A.thu", "b.jpg", "c.rmi"};
  ASSERT_EQ(directory.Count(), order.size());
  EXPECT_EQ(directory.At(0).dataOffset, engine.size() + 16 + 268);
  for (std::size_t i = 0; i < order.size(); ++i) {
    const lumi::PackageEntry& entry = directory.At(i);
    EXPECT_EQ(entry.name, order[i]);
    EXPECT_EQ(saver.substr(entry.dataOffset, entry.dataSize), ReadFile(Content() / order[i]));
  }

  const RunResult list = Lumipack({"--list", Out().string()});
  EXPECT_EQ(list.code, kExitOk);
  EXPECT_EQ(list.out, "Settings.ini\t33\nPics.cvn\t20\nA.thu\t2\nb.jpg\t20621\nc.rmi\t0\n");
}

TEST_F(LumipackTest, PutsSettingsAndCollectionFirstWhateverTheirCase) {
  fs::remove(Content() / "Settings.ini");
  fs::remove(Content() / "Pics.cvn");
  AddContent("SETTINGS.INI", "[General_Settings]\r\nTitle=Coast\r\n");
  AddContent("pics.CVN", "[General]\r\nCount=1\r\n");
  AddContent("0first.txt", "t");
  ASSERT_EQ(Build().code, kExitOk);
  const RunResult list = Lumipack({"--list", Out().string()});
  EXPECT_EQ(list.out.substr(0, list.out.find("A.thu")),
            "SETTINGS.INI\t33\npics.CVN\t20\n0first.txt\t1\n");
}

TEST_F(LumipackTest, RefusesWhatWouldNotMakeAWorkingSaver) {
  const struct {
    const char* what;
    std::function<void(LumipackTest&)> setUp;
    std::function<std::vector<std::string>(LumipackTest&)> args;  // empty: a normal build
    int code;
    std::string message;  // expected start of the error line
  } cases[] = {
      {"missing engine",
       [](LumipackTest& t) { fs::remove(t.engine_); },
       {},
       kExitFailed,
       "lumipack: engine not found: "},
      {"engine with a package",
       [](LumipackTest& t) {
         ASSERT_EQ(t.Build().code, kExitOk);
         fs::rename(t.Out(), t.engine_);
       },
       {},
       kExitFailed,
       "lumipack: engine already carries a package"},
      {"missing folder",
       [](LumipackTest& t) { fs::remove_all(t.Content()); },
       {},
       kExitFailed,
       "lumipack: folder not found: "},
      {"no settings file",
       [](LumipackTest& t) { fs::remove(t.Content() / "Settings.ini"); },
       {},
       kExitFailed,
       "lumipack: folder has no Settings.ini: "},
      {"no collection file",
       [](LumipackTest& t) { fs::remove(t.Content() / "Pics.cvn"); },
       {},
       kExitFailed,
       "lumipack: folder has no Pics.cvn: "},
      {"name with dots the engine refuses",
       [](LumipackTest& t) { t.AddContent("a..jpg", "x"); },
       {},
       kExitFailed,
       "lumipack: member name is not a plain file name"},
#ifndef _WIN32
      {"names differing in case alone",
       [](LumipackTest& t) { t.AddContent("B.JPG", "x"); },
       {},
       kExitFailed,
       "lumipack: file names differ only in letter case: B.JPG, b.jpg"},
      {"name with a drive colon",
       [](LumipackTest& t) { t.AddContent("c:x.jpg", "x"); },
       {},
       kExitFailed,
       "lumipack: member name is not a plain file name"},
#endif
      {"output folder missing", nullptr,
       [](LumipackTest& t) -> std::vector<std::string> {
         return {"--engine", t.engine_.string(), "--out", (t.root_ / "no" / "o.scr").string(),
                 t.Content().string()};
       },
       kExitFailed, "lumipack: cannot write "},
      {"output is a folder",
       [](LumipackTest& t) { fs::create_directory(t.Out()); },
       {},
       kExitFailed,
       "lumipack: cannot write "},
      {"output inside the package folder", nullptr,
       [](LumipackTest& t) -> std::vector<std::string> {
         return {"--engine", t.engine_.string(), "--out", (t.Content() / "o.scr").string(),
                 t.Content().string()};
       },
       kExitFailed, "lumipack: output must not be inside the package folder"},
      {"listing a plain program", nullptr,
       [](LumipackTest& t) -> std::vector<std::string> {
         return {"--list", t.engine_.string()};
       },
       kExitFailed, "lumipack: no package in "},
      {"listing a missing file", nullptr,
       [](LumipackTest& t) -> std::vector<std::string> {
         return {"--list", t.Out().string()};
       },
       kExitFailed, "lumipack: cannot open "},
      {"usage error", nullptr,
       [](LumipackTest&) -> std::vector<std::string> {
         return {"--engine", "e"};
       },
       kExitUsage, "lumipack: --out is missing (lumipack --help shows the usage)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    if (c.setUp) c.setUp(*this);
    const bool outWasFolder = fs::is_directory(Out());
    const RunResult run = c.args ? Lumipack(c.args(*this)) : Build();
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_EQ(run.out, "");
    if (!outWasFolder) {
      EXPECT_FALSE(fs::exists(Out()));
    }
    EXPECT_FALSE(fs::exists(fs::path(Out()) += ".partial"));
  }
}

TEST_F(LumipackTest, RebuildReplacesTheSaverAndAFailedOneKeepsIt) {
  ASSERT_EQ(Build().code, kExitOk);
  AddContent("d.txt", "new");
  ASSERT_EQ(Build().code, kExitOk);
  const std::string rebuilt = ReadFile(Out());
  EXPECT_EQ(rebuilt.substr(rebuilt.size() - 8 - 3), "new" + rebuilt.substr(rebuilt.size() - 8));

  fs::remove(Content() / "Pics.cvn");
  EXPECT_EQ(Build().code, kExitFailed);
  EXPECT_EQ(ReadFile(Out()), rebuilt);
}

}  // namespace
}  // namespace lumipack
