#include "slideshow/viewer/AboutBoxDlg.h"

#include "slideshow/engine/EngineVersion.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/settings/TextReplace.h"
#include "slideshow/viewer/AboutBoxDlgIds.h"

namespace lumi {
namespace {

// The template text of a control with its one "%s" replaced by value (the
// text unchanged when it has none).
std::string FillTextTemplate(const std::string& text, const std::string& value) {
  // Filled by hand rather than through printf: the author's value may hold
  // a "%" of its own, and the text has exactly one place for it.
  std::string filled = text;
  const std::size_t at = filled.find("%s");
  if (at != std::string::npos) filled.replace(at, 2, value);
  return filled;
}

}  // namespace

CAboutBoxDlg::CAboutBoxDlg(HINSTANCE instance, const CSaverSettings& settings)
    : Dialog(instance, IDD_ABOUT_BOX), settings_(settings) {}

void CAboutBoxDlg::FillItemTemplate(int id, const std::string& value) {
  char text[512] = {};
  GetDlgItemTextA(hwnd_, id, text, sizeof text);
  SetDlgItemTextA(hwnd_, id, FillTextTemplate(text, value).c_str());
}

BOOL CAboutBoxDlg::OnInitDialog() {
  const std::string title = settings_.GetTitle();
  SetWindowTextA(hwnd_, title.c_str());
  SetDlgItemTextA(hwnd_, IDC_ABOUT_TITLE, title.c_str());
  FillItemTemplate(IDC_ABOUT_COPYRIGHT, settings_.GetCopyright());
  EngineVersion version;
  FillItemTemplate(IDC_ABOUT_VERSION,
                   ReadFileVersion(ModulePath(nullptr), version) ? version.text : std::string());
  std::string about = settings_.GetAboutBoxText();
  if (!about.empty()) {
    ReplaceText(about, "|", "\r\n");
    SetDlgItemTextA(hwnd_, IDC_ABOUT_TEXT, about.c_str());
  }
  return TRUE;
}

bool CAboutBoxDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hwnd_, LOWORD(wParam));
    return true;
  }
  return false;
}

}  // namespace lumi
