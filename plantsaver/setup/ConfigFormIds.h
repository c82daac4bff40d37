#pragma once
// Control ids of the configuration form TForm2. The About panel's text and
// "done" button are children of the panel, so their ids are the panel's own.

namespace gulpleaf::config_ids {

constexpr int kTrackBar1 = 201;  // animation speed (frame period)
constexpr int kLabel1 = 202;     // "Animation Speed"
constexpr int kLabel2 = 203;     // "[slow]"
constexpr int kLabel3 = 204;     // "[fast]"
constexpr int kOkButt = 205;
constexpr int kCancelButt = 206;
constexpr int kTestButt = 207;
constexpr int kCheckBox1 = 208;    // "Play Sound"
constexpr int kCheckBox2 = 209;    // "Play Start Track"
constexpr int kTrackSndVol = 210;  // wave-out volume
constexpr int kLabel7 = 211;       // "Volume"
constexpr int kButtTestS = 212;    // "Test Volume" toggle
constexpr int kPanAboutZeb = 213;
constexpr int kStaticText1 = 214;  // inside the panel
constexpr int kButton1 = 215;      // "done", inside the panel

}  // namespace gulpleaf::config_ids
