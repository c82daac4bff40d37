// The effect gallery and benchmark. Under Wine or on Windows:
//   effectgallery names
//   effectgallery frames OUTDIR INDEX SPEED PICTURE_A PICTURE_B [FRAMES]
//       effect INDEX at SPEED from picture A to B on a 640 x 480 canvas, as
//       BMP frames in OUTDIR: the old picture, FRAMES frames spread evenly
//       over the effect's drawing calls, and the final copy
//   effectgallery bench PICTURE_A PICTURE_B [window|memory]
//       every effect at every speed from A to B at 1024 x 768, timed on a
//       window's context (the default) or a memory DIB
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "slideshow/effects/EffectCatalogue.h"
#include "tools/effectgallery/Bench.h"
#include "tools/effectgallery/Frames.h"

namespace {

constexpr int kGalleryWidth = 640, kGalleryHeight = 480;
constexpr int kBenchWidth = 1024, kBenchHeight = 768;

int Usage() {
  std::fprintf(stderr,
               "usage: effectgallery names\n"
               "       effectgallery frames OUTDIR INDEX SPEED PICTURE_A PICTURE_B [FRAMES]\n"
               "       effectgallery bench PICTURE_A PICTURE_B [window|memory]\n");
  return 2;
}

bool Loaded(const gallery::SamplePicture& picture) {
  if (!picture.Ok()) std::fprintf(stderr, "%s\n", picture.Error().c_str());
  return picture.Ok();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "names") {
    for (int i = 0; i < lumi::GetEffectCount(); ++i)
      std::printf("%d\t%s\n", i, lumi::CreateEffect(i)->GetName().c_str());
    return 0;
  }
  if (mode == "frames" && (argc == 7 || argc == 8)) {
    gallery::FrameJob job;
    job.outDir = argv[2];
    job.effectIndex = std::atoi(argv[3]);
    job.speed = std::atoi(argv[4]);
    if (argc == 8) job.frames = std::atoi(argv[7]);
    if (job.frames < 1) return Usage();
    gallery::SamplePicture from(argv[5], kGalleryWidth, kGalleryHeight);
    gallery::SamplePicture to(argv[6], kGalleryWidth, kGalleryHeight);
    if (!Loaded(from) || !Loaded(to)) return 1;
    return gallery::RecordFrames(job, from, to) ? 0 : 1;
  }
  if (mode == "bench" && (argc == 4 || argc == 5)) {
    const std::string where = argc == 5 ? argv[4] : "window";
    if (where != "window" && where != "memory") return Usage();
    gallery::SamplePicture from(argv[2], kBenchWidth, kBenchHeight);
    gallery::SamplePicture to(argv[3], kBenchWidth, kBenchHeight);
    if (!Loaded(from) || !Loaded(to)) return 1;
    return gallery::RunBench(
        where == "window" ? gallery::BenchTarget::Window : gallery::BenchTarget::Memory, from, to,
        stdout);
  }
  return Usage();
}
