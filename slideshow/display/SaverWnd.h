#pragma once
// CSaverWnd: the window the slideshow saver runs in, full-screen over the
// desktop or as a child of the display settings' preview window. It starts
// the slideshow, repaints, turns input into a close request, asks for the
// saver password before closing and tears everything down in order. Its
// title marks a running saver.
#include <windows.h>

#include <memory>
#include <string>

#include "common/Window.h"
#include "slideshow/display/saver/SaverShow.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

class CProcessingDlg;

class CSaverWnd final : public zeb::Window {
 public:
  // Full-screen: tells the system a screen saver is running.
  CSaverWnd(HINSTANCE instance, const SaverShowTies& ties);
  // Preview: a child of the host window.
  CSaverWnd(HINSTANCE instance, const SaverShowTies& ties, HWND parent);
  ~CSaverWnd() override;

  // Once made, a full-screen window owns its object and deletes it when it
  // is destroyed; on failure the caller still owns the object.
  bool Create();
  // Paints the start picture and begins the slideshow; once, after Create.
  void Start();
  // A full-screen saver started over the viewer ends alone and leaves the
  // program running; otherwise it is the program's main window and its end
  // is the program's. Before Create.
  void SetEndsProgram(bool ends) { endsProgram_ = ends; }

  static constexpr const char kClassName[] = "LumishowSaverWindow";
  static constexpr int kCursorResource = 141;
  static constexpr int kProgressTemplateMode = 0;  // the bar-only processing dialog
  // Input this soon after the start, or after the password prompt closed, is
  // what Windows produces itself and does not end the saver.
  static constexpr DWORD kGraceMs = 500;
  static constexpr int kMouseSlack = 2;
  static constexpr UINT_PTR kPresentTimer = 1;
  static constexpr UINT kPresentTimerMs = 100;

  // The window-switching, task-list and screen-saver commands the saver
  // swallows before they are dispatched.
  static bool IsSwallowedSysCommand(WPARAM command);

 private:
  void CommonInit();
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage() override;
  void OnPaint();
  void DrawStartImage(HDC dc);
  LRESULT OnEraseBackground(HDC dc);
  void OnMouseMove(int x, int y);
  void OnSoundRequest(WPARAM wParam, LPARAM lParam);
  void OnDestroy();
  void RequestClose();
  bool AskPassword();
  void StopWorker();
  void PaintStartImage();
  ShowParams ReadShowParams() const;

  HINSTANCE instance_;
  SaverShowTies ties_;
  std::unique_ptr<SaverShow> controller_;
  std::unique_ptr<CProcessingDlg> progress_;
  std::unique_ptr<CSlideImage> startImage_;
  int lastX_ = 0, lastY_ = 0;
  bool closing_ = false;
  DWORD startTick_ = 0;
  std::string password_;
  bool fullScreen_ = false;
  bool preview_ = false;
  HWND parent_ = nullptr;
  bool ownsItself_ = false;
  bool endsProgram_ = true;
};

}  // namespace lumi
