#pragma once
// CAboutBoxDlg: the viewer's about box. It names the saver, its author's
// copyright line and the engine's version, and shows the author's own words.
#include <windows.h>

#include <string>

#include "common/Window.h"

namespace lumi {

class CSaverSettings;

class CAboutBoxDlg final : public zeb::Dialog {
 public:
  // instance holds the template (and the icon it shows); settings gives the
  // saver's Title (the caption and first line), its Copyright (placed into
  // the second line's text) and its AboutBoxText ("|" for a line break; when
  // empty, the template's own text stays). The version is the running
  // program's file version. The settings are read when the box opens and
  // must outlive it. Run it with DoModal(parent).
  CAboutBoxDlg(HINSTANCE instance, const CSaverSettings& settings);

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillItemTemplate(int id, const std::string& value);
  const CSaverSettings& settings_;
};

}  // namespace lumi
