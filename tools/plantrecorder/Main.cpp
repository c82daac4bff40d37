// Records the plant scene for people without a display: runs the saver's own
// actors and frame step on its own sprite sheets into a screen-sized back
// buffer, with a fixed chance sequence and no sound or pauses, and writes the
// kept pictures to a folder: frame-NNNNN.bmp, frames.txt (each picture's
// delay in centiseconds and its file) and scene.log (the actors' states per
// picture). Fails, naming the missing event, unless the can poured, the plant
// chewed a fly and the big fly frightened it.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "common/GdiGuards.h"
#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/FrameStep.h"
#include "plantsaver/animation/GdiScene.h"
#include "plantsaver/animation/SpriteSheets.h"
#include "tools/plantrecorder/FrameWriter.h"
#include "tools/plantrecorder/RecordingPlan.h"

namespace {

using namespace gulpleaf;
using namespace gulpleaf::recording;

// Far more than the fixed chance sequence needs; a changed choreography
// that never gets there fails instead of running on.
constexpr int kMaxTicks = 20000;

std::string Caption(const Pace& pace) {
  return pace.FastForward() > 1 ? "fast-forward x" + std::to_string(pace.FastForward()) : "";
}

int Record(const std::string& folder) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  SpriteSheets sheets(module);
  if (!sheets.AllLoaded()) {
    std::fprintf(stderr, "plantrecorder: sprite sheets missing\n");
    return 2;
  }
  zeb::WindowDcGuard screen(nullptr);
  BackBuffer back(screen.Get(), sheets, kScreenWidth, kScreenHeight);
  FrameWriter writer(module, Info(Sheet::PflanzHead).resourceName, kScreenWidth, kScreenHeight);
  if (!back.Valid() || !writer.Valid()) {
    std::fprintf(stderr, "plantrecorder: cannot make the drawing surfaces\n");
    return 2;
  }
  SilentSound sound;
  NoPause pause;
  LcgRandom random(kSeed);
  ActorWorld world{back, sound, random, pause};
  TKanne can(world, false);
  TPflanz plant(world, false);
  TFly fly(world, &plant, false);
  plant.Link(&can, &fly.reentryRequest);
  can.Link(&plant);
  NullCopier hidden;  // the back buffer is the picture
  FrameStep step(can, plant, fly, hidden, kScreenHeight);

  // Binary: the lines end in a bare newline for the shell that reads them.
  const std::string list = folder + "\\frames.txt", log = folder + "\\scene.log";
  std::unique_ptr<FILE, int (*)(FILE*)> listFile(std::fopen(list.c_str(), "wb"), &std::fclose);
  std::unique_ptr<FILE, int (*)(FILE*)> logFile(std::fopen(log.c_str(), "wb"), &std::fclose);
  if (!listFile || !logFile) {
    std::fprintf(stderr, "plantrecorder: cannot write into %s\n", folder.c_str());
    return 2;
  }
  bool written = true;
  Recording recording(step, can, plant, fly);
  const Events seen = recording.Run(kMaxTicks, [&](const KeptFrame& frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%05d.bmp", frame.number);
    writer.Take(back.Dc(), Caption(frame.pace));
    written = writer.Save(folder + "\\" + name) && written;
    std::fprintf(listFile.get(), "%d %s\n", frame.pace.delayCs, name);
    std::fprintf(logFile.get(), "%s\n", LogLine(frame, can, plant, fly).c_str());
  });
  written = std::fclose(listFile.release()) == 0 && written;
  written = std::fclose(logFile.release()) == 0 && written;
  if (!written) {
    std::fprintf(stderr, "plantrecorder: writing into %s failed\n", folder.c_str());
    return 2;
  }
  if (!seen.All()) {
    std::fprintf(stderr, "plantrecorder: after %d ticks still missing:%s%s%s\n", recording.Ticks(),
                 seen.pour ? "" : " the can pouring", seen.chew ? "" : " the plant chewing",
                 seen.fright ? "" : " the big fly's fright");
    return 1;
  }
  std::printf("plantrecorder: %d ticks of the scene\n", recording.Ticks());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: plantrecorder FOLDER\n");
    return 2;
  }
  return Record(argv[1]);
}
