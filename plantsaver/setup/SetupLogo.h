#pragma once
// The picture the setup wizard shows beside its progress bar: a bitmap
// resource of the program, drawn by the art generator.

namespace gulpleaf {

constexpr char kSetupLogoName[] = "SetupLogo";
constexpr int kSetupLogoWidth = 98;
constexpr int kSetupLogoHeight = 90;

}  // namespace gulpleaf
