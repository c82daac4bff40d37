#pragma once
// TForm2: the configuration form. It edits four of the saver's settings
// (animation speed, effect sounds, start track, volume), lets the user try the
// volume and the whole saver, and puts the values and the device volume back
// as they were unless the user chose OK.
#include <windows.h>

#include <optional>

#include "common/Form.h"
#include "plantsaver/animation/ActorWorld.h"
#include "plantsaver/setup/AboutPanel.h"
#include "plantsaver/setup/VolumeDevice.h"

namespace gulpleaf {

// What the form works with and does not own.
struct ConfigFormLinks {
  SoundPlayer& sounds;             // the program's wave resources
  VolumeDevice& volume;            // wave-out device 0
  zeb::Form* testForm = nullptr;   // the hidden saver form TEST shows modally
  HWND startForeground = nullptr;  // the window in front at start-up, when remembered
};

class TForm2 final : public zeb::Form {
 public:
  static constexpr int kClientWidth = 302;
  static constexpr int kClientHeight = 270;
  static constexpr int kClickSound = 15;
  static constexpr int kStartTrack = 14;

  explicit TForm2(ConfigFormLinks links);
  ~TForm2() override;
  // Creates the form, centred on the screen, with its controls set from the
  // stored settings; it is shown with Show.
  bool CreateForm();

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnClose() override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Values {
    int speed;
    bool sound;
    bool sSound;
    int vol;
  };

  void CreateControls();
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
  void FinishSession();
  void OnCommand(int id, int code);
  void OnHorizontalScroll(HWND bar);

  void OkButtClick();
  void CancelButtClick();
  void TestButtClick();
  void CheckBoxClick();
  void ButtTestSClick();
  void TrackSndVolChange();
  void AboutClick();

  void PlayClickSound();
  void SetCheckBox(int id, bool checked);
  void ReleaseTestVolume();
  Values ControlValues() const;
  void Store(const Values& values);
  bool Checked(int id) const;
  bool TestVolumeDown() const;

  ConfigFormLinks links_;
  std::optional<DWORD> deviceVolume_;
  Values opening_{};
  bool saved_ = false;
  bool disabledForeground_ = false;
  bool finished_ = false;     // the close work has been done
  zeb::OwnedFont fixedFont_;  // "[slow]" and "[fast]"
  AboutPanel about_;
  std::optional<RECT> aboutPlace_;
};

}  // namespace gulpleaf
