#pragma once
// A plain window that stands where a form of the plant saver is not built yet:
// it names what it will become and closes normally.
#include <string>

#include "common/Form.h"

namespace gulpleaf {

class PendingForm : public zeb::Form {
 public:
  PendingForm(std::string caption, std::string description, int clientWidth, int clientHeight);
  bool CreateForm();

 protected:
  void OnPaint(HDC dc) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string caption_;
  std::string description_;
  int clientWidth_, clientHeight_;
};

// TForm2: the configuration form (animation speed, sounds, volume, test run).
class TForm2 final : public PendingForm {
 public:
  TForm2();
};

}  // namespace gulpleaf
