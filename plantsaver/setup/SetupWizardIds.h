#pragma once
// Control ids of the setup wizard TForm3, one range per page.

namespace gulpleaf {

enum SetupWizardId : int {
  kIdWelcomeText = 100,
  kIdWelcomeCancel = 101,
  kIdNext = 102,

  kIdDestLabel = 200,
  kIdDestDir = 201,  // PanDestDir
  kIdBrowse = 202,
  kIdStartLink = 203,  // CheckStartLink
  kIdSetActive = 204,  // CheckSetActive
  kIdProgress = 205,
  kIdSetupCancel = 206,
  kIdSetup = 207,
  kIdLogo = 208,

  kIdDoneLabel = 300,
  kIdFinishHint = 301,
  kIdStartConfig = 302,  // CheckStartConfig
  kIdFinish = 303,
};

}  // namespace gulpleaf
