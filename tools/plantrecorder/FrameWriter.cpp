#include "tools/plantrecorder/FrameWriter.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace gulpleaf::recording {

namespace {

// 8-bit rows are padded to whole 32-bit words.
int RowBytes(int width) { return (width + 3) & ~3; }

struct PaletteInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

}  // namespace

FrameWriter::FrameWriter(HINSTANCE module, const char* colourSheet, int sceneWidth, int sceneHeight)
    : sceneWidth_(sceneWidth),
      sceneHeight_(sceneHeight),
      width_(sceneWidth / 2),
      height_(sceneHeight / 2),
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
  PaletteInfo info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width_;
  info.header.biHeight = height_;  // bottom-up, as a BMP file keeps its rows
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 256;
  std::memcpy(info.colours, colours_, sizeof colours_);
  void* bits = nullptr;
  picture_.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                  &bits, nullptr, 0));
  if (!picture_ || !dc_ || !dc_.Select(picture_.Get())) return;
  font_.Reset(CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, "Arial"));
  if (font_) dc_.Select(font_.Get());
  // Averaging keeps thin lines that dropping every other pixel would lose;
  // the averages land on the nearest of the sheets' colours.
  SetStretchBltMode(dc_.Get(), HALFTONE);
  SetBrushOrgEx(dc_.Get(), 0, 0, nullptr);
  bits_ = bits;
}

void FrameWriter::Take(HDC scene, const std::string& caption) {
  StretchBlt(dc_.Get(), 0, 0, width_, height_, scene, 0, 0, sceneWidth_, sceneHeight_, SRCCOPY);
  if (!caption.empty()) {
    SetBkMode(dc_.Get(), OPAQUE);
    SetBkColor(dc_.Get(), RGB(0, 0, 0));
    SetTextColor(dc_.Get(), RGB(255, 255, 255));
    TextOutA(dc_.Get(), 6, 4, caption.c_str(), static_cast<int>(caption.size()));
  }
  GdiFlush();  // the bits are read directly
}

bool FrameWriter::Save(const std::string& path) const {
  if (!bits_) return false;
  const DWORD imageBytes = static_cast<DWORD>(RowBytes(width_)) * static_cast<DWORD>(height_);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info + sizeof colours_;
  file.bfSize = file.bfOffBits + imageBytes;
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;
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
            std::fwrite(bits_, imageBytes, 1, out.get()) == 1;
  // A full disk shows only when the buffered rest is written out.
  return std::fclose(out.release()) == 0 && ok;
}

}  // namespace gulpleaf::recording
