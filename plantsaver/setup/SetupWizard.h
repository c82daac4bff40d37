#pragma once
// TForm3: the setup wizard the program becomes when it is started under a
// ".exe" name. Three pages, one shown at a time: the welcome text, the
// destination with the install choices and progress, and the finish page.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/Form.h"
#include "common/GdiGuards.h"
#include "plantsaver/setup/SetupSystem.h"

namespace gulpleaf {

enum class SetupPage { Welcome, Setup, Finish };

// The welcome text, line by line, with the notice that follows it.
std::string SetupWelcomeText();

class TForm3 final : public zeb::Form {
 public:
  // On the real system.
  TForm3();
  // On a stand-in; it must outlive the form.
  explicit TForm3(SetupSystem& system);
  ~TForm3() override;

  bool CreateForm();
  SetupPage Page() const { return page_; }
  // Always ends in a backslash.
  const std::string& DestinationDirectory() const { return destination_; }

 protected:
  void OnCreate() override;
  void OnShow() override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Control {
    HWND window;
    SetupPage page;
  };

  HWND AddControl(SetupPage page, const char* className, const char* text, DWORD style, int x,
                  int y, int width, int height, int id, HFONT font = nullptr);
  void BuildWelcomePage();
  void BuildSetupPage();
  void BuildFinishPage();
  void ShowPage(SetupPage page, int focusId);
  void FocusControl(int id);
  bool Checked(int id) const;
  void ShowDestination();
  void Advance(int tenths);

  void OnCommand(int id);
  void OnNextClick();
  void OnSetupCancelClick();
  void OnBrowseClick();
  void OnSetupClick();
  void OnFinishClick();

  std::unique_ptr<SetupSystem> ownedSystem_;
  SetupSystem& system_;
  std::string destination_;
  SetupPage page_ = SetupPage::Welcome;
  std::vector<Control> controls_;
  HWND focus_ = nullptr;  // the control that gets the focus when the form is activated
  zeb::OwnedFont boldFont_;
  zeb::OwnedBitmap logo_;
};

}  // namespace gulpleaf
