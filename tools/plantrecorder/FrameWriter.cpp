#include "tools/plantrecorder/FrameWriter.h"

#include <cstdio>
#include <memory>

namespace gulpleaf::recording {

FrameWriter::FrameWriter(HINSTANCE module, const char* colourSheet, int sceneWidth, int sceneHeight)
    : sceneWidth_(sceneWidth),
      sceneHeight_(sceneHeight),
      width_(sceneWidth / 2),
      height_(sceneHeight / 2),
      rowBytes_((sceneWidth / 2 + 3) & ~3),  // 8-bit rows are padded to whole 32-bit words
      picture_(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height_)),
      dc_(nullptr) {
  {
    // Loaded as a section, the sheet keeps its colour table; as a device
    // bitmap (as the saver loads it) it would be converted to the screen's.
    zeb::GdiObjectGuard sheet(
        LoadImageA(module, colourSheet, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    zeb::MemoryDcGuard sheetDc(nullptr);
    if (!sheet || !sheetDc || !sheetDc.Select(sheet.Get())) return;
    if (GetDIBColorTable(sheetDc.Get(), 0, 256, colours_) == 0) return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = sceneWidth;
  info.bmiHeader.biHeight = -sceneHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  copy_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!copy_ || !dc_ || !dc_.Select(copy_.Get())) return;
  // Drawn at twice the size: the shrinking smooths its edges.
  font_.Reset(CreateFontA(-30, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, "Arial"));
  if (font_) dc_.Select(font_.Get());
  full_ = static_cast<const std::uint32_t*>(bits);
}

void FrameWriter::Take(HDC scene, const std::string& caption) {
  BitBlt(dc_.Get(), 0, 0, sceneWidth_, sceneHeight_, scene, 0, 0, SRCCOPY);
  if (!caption.empty()) {
    SetBkMode(dc_.Get(), OPAQUE);
    SetBkColor(dc_.Get(), RGB(0, 0, 0));
    SetTextColor(dc_.Get(), RGB(255, 255, 255));
    TextOutA(dc_.Get(), 12, 8, caption.c_str(), static_cast<int>(caption.size()));
  }
  GdiFlush();  // the bits are read directly
  Shrink();
}

void FrameWriter::Shrink() {
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* top = full_ + static_cast<std::size_t>(2 * y) * sceneWidth_;
    const std::uint32_t* bottom = top + sceneWidth_;
    std::uint8_t* row = &picture_[static_cast<std::size_t>(height_ - 1 - y) * rowBytes_];
    for (int x = 0; x < width_; ++x) {
      unsigned r = 0, g = 0, b = 0;
      for (std::uint32_t p : {top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]}) {
        r += (p >> 16) & 0xFF;
        g += (p >> 8) & 0xFF;
        b += p & 0xFF;
      }
      row[x] = Nearest((r + 2) / 4, (g + 2) / 4, (b + 2) / 4);
    }
  }
}

std::uint8_t FrameWriter::Nearest(unsigned r, unsigned g, unsigned b) {
  const std::uint32_t key = (r << 16) | (g << 8) | b;
  if (auto found = nearest_.find(key); found != nearest_.end()) return found->second;
  std::uint8_t best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    const int dr = int(r) - colours_[i].rgbRed, dg = int(g) - colours_[i].rgbGreen,
              db = int(b) - colours_[i].rgbBlue;
    const int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;  // the eye weighs green most
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<std::uint8_t>(i);
    }
  }
  nearest_.emplace(key, best);
  return best;
}

bool FrameWriter::Save(const std::string& path) const {
  if (!full_) return false;
  const DWORD imageBytes = static_cast<DWORD>(picture_.size());
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info + sizeof colours_;
  file.bfSize = file.bfOffBits + imageBytes;
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 8;
  info.biCompression = BI_RGB;
  info.biSizeImage = imageBytes;
  info.biClrUsed = 256;
  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out.get()) == 1 &&
            std::fwrite(&info, sizeof info, 1, out.get()) == 1 &&
            std::fwrite(colours_, sizeof colours_, 1, out.get()) == 1 &&
            std::fwrite(picture_.data(), imageBytes, 1, out.get()) == 1;
  // A full disk shows only when the buffered rest is written out.
  return std::fclose(out.release()) == 0 && ok;
}

}  // namespace gulpleaf::recording
