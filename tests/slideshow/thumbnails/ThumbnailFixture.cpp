#include "tests/slideshow/thumbnails/ThumbnailFixture.h"

#include <windowsx.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "tests/support/Process.h"

namespace lumi::test {

std::unique_ptr<unsigned char[]> SampleMembers::GetPackageMember(const std::string& name,
                                                                 std::uint32_t* size) {
  std::ifstream in(zebtest::WindowsPath(LUMISHOW_SAMPLE_CONTENT) + "\\" + name, std::ios::binary);
  if (!in) return nullptr;
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  // Spare zero bytes after the member, as the bound package gives them.
  auto buffer = std::make_unique<unsigned char[]>(bytes.size() + 64);
  std::fill_n(buffer.get(), bytes.size() + 64, 0);
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  *size = static_cast<std::uint32_t>(bytes.size());
  return buffer;
}

std::vector<TestPicture> SamplePictures(int count) {
  std::vector<TestPicture> pictures;
  for (int i = 0; i < count; ++i) {
    char thumb[16];
    wsprintfA(thumb, "Pic%02d.thu", i % 12 + 1);
    pictures.push_back({"Picture " + std::to_string(i + 1), thumb, false});
  }
  return pictures;
}

std::string CollectionText(const std::vector<TestPicture>& pictures) {
  std::string text = "[General]\nCount=" + std::to_string(pictures.size()) + "\nTitle=Test\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const TestPicture& p = pictures[i];
    text += "[Picture" + std::to_string(i + 1) + "]\nTitle=" + p.title + "\n";
    if (!p.thumb.empty()) text += "Image=" + p.thumb + ".jpg\nThumb=" + p.thumb + "\n";
    text += std::string("IsRemoved=") + (p.removed ? "1" : "0") + "\n";
  }
  return text;
}

ViewParent::ViewParent() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "ThumbnailViewTestParent";
  RegisterClassA(&wc);
  window_ = CreateWindowExA(0, wc.lpszClassName, "thumbnails", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                            480, nullptr, nullptr, wc.hInstance, this);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Pump();
}

ViewParent& ViewParent::Shared() {
  static ViewParent parent;
  return parent;
}

void ViewParent::Clear() {
  Pump();
  selections.clear();
  activations = 0;
}

void ViewParent::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

LRESULT CALLBACK ViewParent::Proc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<ViewParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && message == CThumbnailView::kSelectionMessage) {
    self->selections.push_back(static_cast<int>(wParam));
    return 0;
  }
  if (self != nullptr && message == CThumbnailView::kActivateMessage) {
    ++self->activations;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

ViewFixture::ViewFixture(int width, int height) : parent(ViewParent::Shared()) {
  parent.Clear();
  const RECT rect{10, 10, 10 + width, 10 + height};
  view.Create(parent.Window(), 10001, rect);
  UpdateWindow(view.Handle());
  parent.Pump();
}

CPictureCollection& ViewFixture::Open(const std::string& collectionText) {
  collection.Open(folder.Write(collectionText));
  return collection;
}

void ViewFixture::Show(const std::vector<TestPicture>& pictures, int start) {
  Open(CollectionText(pictures));
  view.SetCollection(&collection, start, true);
  parent.Pump();
  parent.selections.clear();
}

void ViewFixture::ClickAt(UINT message, POINT at) {
  SendMessageA(view.Handle(), message, message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON,
               MAKELPARAM(at.x, at.y));
  if (message == WM_LBUTTONDOWN)
    SendMessageA(view.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  parent.Pump();
}

void ViewFixture::Click(UINT message, int index) { ClickAt(message, CentreOf(index)); }

void ViewFixture::Key(UINT key) {
  SendMessageA(view.Handle(), WM_KEYDOWN, key, 0);
  parent.Pump();
}

POINT ViewFixture::CentreOf(int index) const {
  const RECT r = view.CellRect(index);
  const int offset = view.Scroller()->Position() * view.Scroller()->LineSize();
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2 - offset};
}

RECT ViewFixture::Client() const {
  RECT client{};
  GetClientRect(view.Handle(), &client);
  return client;
}

int ViewFixture::ScrollBarMax() const {
  int low = 0, high = 0;
  GetScrollRange(view.Handle(), SB_VERT, &low, &high);
  return high;
}

bool SaveBitmapFile(const Canvas& canvas, const std::string& path) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = canvas.Width();
  header.biHeight = canvas.Height();  // bottom row first
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (canvas.Width() * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y) {
    char* row = pixels.data() + static_cast<std::size_t>(canvas.Height() - 1 - y) * stride;
    for (int x = 0; x < canvas.Width(); ++x) {
      const COLORREF c = canvas.At(x, y);
      row[3 * x] = static_cast<char>(GetBValue(c));
      row[3 * x + 1] = static_cast<char>(GetGValue(c));
      row[3 * x + 2] = static_cast<char>(GetRValue(c));
    }
  }
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace lumi::test
