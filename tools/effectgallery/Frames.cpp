#include "tools/effectgallery/Frames.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "common/GdiGuards.h"
#include "slideshow/effects/EffectCatalogue.h"
#include "tools/effectgallery/FixedRandom.h"

namespace gallery {
namespace {

constexpr std::uint32_t kSeed = 20261209;

// A DIB-section canvas of the display's size in a memory context.
class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width),
        height_(height),
        bitmap_(CreateTopDownDib(width, height, &bits_)),
        dc_(nullptr),
        selected_(dc_.Select(bitmap_.Get())) {}
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool Ok() const { return selected_; }
  HDC Dc() const { return dc_.Get(); }
  void Show(const SamplePicture& picture) {
    zeb::MemoryDcGuard from(dc_.Get());
    if (from.Select(picture.Bitmap()))
      BitBlt(dc_.Get(), 0, 0, width_, height_, from.Get(), 0, 0, SRCCOPY);
  }
  // A 24-bit bottom-up BMP file of what the canvas shows.
  bool Save(const std::string& path) const {
    GdiFlush();
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * height_);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<char> rows(info.biSizeImage, 0);
    for (int y = 0; y < height_; ++y) {
      char* row = rows.data() + static_cast<std::size_t>(height_ - 1 - y) * stride;
      for (int x = 0; x < width_; ++x) {
        const std::uint32_t p = bits_[y * width_ + x];
        row[x * 3] = static_cast<char>(p & 0xFF);
        row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
        row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
      }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    return static_cast<bool>(out);
  }

 private:
  int width_, height_;
  std::uint32_t* bits_ = nullptr;
  zeb::OwnedBitmap bitmap_;
  zeb::MemoryDcGuard dc_;  // holds bitmap_ selected; goes first
  bool selected_;
};

// Takes a frame whenever the effect's drawing calls pass the next of the
// evenly spread marks.
class FrameTaker final : public lumi::EffectWatcher {
 public:
  FrameTaker(const Canvas& canvas, const std::string& dir, long total, int frames)
      : canvas_(canvas), dir_(dir), total_(total), frames_(frames) {}
  // The effect's count when its Draw begins (Prepare's margins come before).
  void Begin(long base) { base_ = base; }
  void AfterDrawing(long calls) override {
    if (next_ > frames_ || calls - base_ < Mark(next_)) return;
    while (next_ <= frames_ && calls - base_ >= Mark(next_)) ++next_;
    Take();
  }
  bool Take() {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%03d.bmp", written_++);
    if (!canvas_.Save(dir_ + name)) {
      std::fprintf(stderr, "cannot write %s%s\n", dir_.c_str(), name);
      failed_ = true;
    }
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  long Mark(int k) const { return (total_ * k + frames_ - 1) / frames_; }

  const Canvas& canvas_;
  std::string dir_;
  long base_ = 0;
  long total_;
  int frames_;
  int next_ = 1;
  int written_ = 0;
  bool failed_ = false;
};

// Runs the effect once on the canvas: the old picture, then the effect to
// the new one with its final copy. Returns its drawing calls, margins aside.
long RunOnce(const FrameJob& job, Canvas& canvas, const SamplePicture& from,
             const SamplePicture& to, FrameTaker* taker) {
  canvas.Show(from);
  if (taker) taker->Take();
  std::unique_ptr<lumi::CTransitionEffect> effect = lumi::CreateEffect(job.effectIndex);
  FixedRandom random(kSeed);
  std::atomic<bool> stop{false};
  effect->SetSpeed(job.speed);
  effect->SetRandom(random);
  const RECT area{0, 0, to.Width(), to.Height()};
  if (!effect->Prepare(canvas.Dc(), lumi::EffectPicture{to.Bitmap(), nullptr, area}, area, false,
                       &stop))
    return -1;
  const long base = effect->DrawCalls();
  if (taker) taker->Begin(base);
  effect->SetWatcher(taker);
  effect->Draw();
  effect->SetWatcher(nullptr);
  const long calls = effect->DrawCalls() - base;
  effect->FinishCopy();
  if (taker) taker->Take();
  return calls;
}

}  // namespace

bool RecordFrames(const FrameJob& job, const SamplePicture& from, const SamplePicture& to) {
  Canvas canvas(to.Width(), to.Height());
  if (!canvas.Ok()) return false;
  const long total = RunOnce(job, canvas, from, to, nullptr);
  if (total < 0) return false;
  FrameTaker taker(canvas, job.outDir, total, job.frames);
  if (RunOnce(job, canvas, from, to, &taker) != total) {
    std::fprintf(stderr, "the effect drew differently the second time\n");
    return false;
  }
  std::ofstream name(job.outDir + "/name.txt");
  name << lumi::CreateEffect(job.effectIndex)->GetName() << "\n" << total << "\n";
  return !taker.Failed() && static_cast<bool>(name);
}

}  // namespace gallery
