#pragma once
// The record that announces a processing stage to the processing dialog. The
// pipeline makes it on the heap; the dialog takes it over and deletes it.
#include <windows.h>

#include <string>

namespace lumi {

// Messages the pipeline's progress reporting sends to the progress window.
inline constexpr UINT kProgressStep = WM_USER + 1;      // advance the bar by one step
inline constexpr UINT kProgressNewStage = WM_USER + 2;  // lParam: a ProgressStage*
inline constexpr UINT kProgressShow = WM_USER + 3;      // wParam: non-zero show, zero hide

struct ProgressStage {
  std::string text;
  int steps = 0;
};

}  // namespace lumi
