#include "slideshow/viewer/settings/EffectsPage.h"

#include "slideshow/effects/EffectCatalogue.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/settings/CheckList.h"
#include "slideshow/viewer/settings/EffectsPageIds.h"

namespace lumi {
namespace {

// The sorted duration list shows these in this order, which is also the
// order of the stored speeds 1, 2, 3.
constexpr const char* kDurations[] = {"Long", "Medium", "Short"};

}  // namespace

std::vector<std::string> CatalogueEffectNames() {
  std::vector<std::string> names;
  for (int i = 0; i < GetEffectCount(); ++i) {
    if (const auto effect = CreateEffect(i)) names.push_back(effect->GetName());
  }
  return names;
}

CEffectsPage::CEffectsPage(HINSTANCE instance, CSaverSettings& settings,
                           const std::vector<std::string>& effectNames)
    : PropertyPage(instance, IDD_EFFECTS_SETTINGS),
      settings_(settings),
      speedIndex_(settings.GetEffectSpeed() - 1) {
  for (const std::string& name : effectNames)
    effects_.push_back({name, settings.IsEffectEnabled(name)});
}

BOOL CEffectsPage::OnInitDialog() {
  HWND list = GetDlgItem(hwnd_, IDC_EFFECTS_LIST);
  AttachCheckList(list);
  // The leading space keeps the names clear of the check boxes.
  for (const Effect& effect : effects_) AddCheckItem(list, " " + effect.name, effect.enabled);
  for (const char* duration : kDurations)
    SendDlgItemMessageA(hwnd_, IDC_EFFECTS_DURATION, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(duration));
  // A stored speed outside 1..3 selects nothing.
  SendDlgItemMessageA(hwnd_, IDC_EFFECTS_DURATION, CB_SETCURSEL, static_cast<WPARAM>(speedIndex_),
                      0);
  return TRUE;
}

bool CEffectsPage::OnKillActive() {
  HWND list = GetDlgItem(hwnd_, IDC_EFFECTS_LIST);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  effects_.clear();
  for (int i = 0; i < count; ++i) {
    std::string name = CheckItemText(list, i);
    if (name.empty()) continue;
    if (name.front() == ' ') name.erase(0, 1);
    effects_.push_back({std::move(name), IsCheckItemChecked(list, i)});
  }
  speedIndex_ =
      static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_EFFECTS_DURATION, CB_GETCURSEL, 0, 0));
  return true;
}

void CEffectsPage::OnApply() {
  for (const Effect& effect : effects_) settings_.SetEffectEnabled(effect.name, effect.enabled);
  // No duration chosen is stored as 0.
  settings_.SetEffectSpeed(speedIndex_ + 1);
}

}  // namespace lumi
