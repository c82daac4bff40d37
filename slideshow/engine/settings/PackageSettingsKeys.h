#pragma once
// The names in a package's settings file: its member name, sections and keys.
// The builder and the sample generator write them and the settings store
// reads them, so they are spelled once, here. No Windows header: the host
// tools include it too.
#include <string>

namespace lumi::settings_file {

inline constexpr char kMemberName[] = "Settings.ini";

inline constexpr char kGeneralSection[] = "General_Settings";
inline constexpr char kTitle[] = "Title";
inline constexpr char kCustomHeading[] = "Custom_Heading";
inline constexpr char kCustomText[] = "Custom_Text";
inline constexpr char kCustomGraphic[] = "Custom_Graphic";
inline constexpr char kInformationHyperlink[] = "Information_Hyperlink";
inline constexpr char kInformationDocument[] = "Information_Document";
inline constexpr char kCopyright[] = "Copyright";
inline constexpr char kAboutBoxText[] = "AboutBoxText";
inline constexpr char kDisplayOrder[] = "Display_Order";
inline constexpr char kRandomOrder[] = "Random Order";  // the Display_Order value for shuffling
inline constexpr char kNormalOrder[] = "Normal Order";  // any other value keeps the saver's order
inline constexpr char kShowCaptions[] = "Show_Captions";
inline constexpr char kEnlargeImage[] = "Enlarge_Image";
inline constexpr char kTileImage[] = "Tile_Image";
inline constexpr char kUseEffects[] = "Use_Effects";
inline constexpr char kMessageShowRandom[] = "Message_ShowRandom";
inline constexpr char kMessageFrequency[] = "Message_Frequency";
// The author's presets of the display time, black and white pictures and the
// transition speed; the user's own choices override them.
inline constexpr char kImageDelay[] = "Image_Delay";
inline constexpr char kBlackWhite[] = "Black_White";
inline constexpr char kEffectSpeed[] = "Effect_Speed";

// What the engine holds those values to: the display time in seconds (read
// and written clamped to these limits) and the three transition speeds, 1 the
// slowest. The builder refuses anything outside them.
inline constexpr int kMinImageDelay = 5;
inline constexpr int kMaxImageDelay = 300;
inline constexpr int kDefaultImageDelay = 15;
inline constexpr int kMinEffectSpeed = 1;
inline constexpr int kMaxEffectSpeed = 3;

inline constexpr char kMessagesSection[] = "Messages";
inline constexpr char kMessageCount[] = "Count";
inline std::string MessageKey(int number) { return "Message " + std::to_string(number); }

// The two sound play lists: the viewer's greeting and the running saver's.
inline constexpr char kStartupPlayList[] = "SPL_AppStartup";
inline constexpr char kSaverPlayList[] = "SPL_SSRun";
inline constexpr char kPlayListFileCount[] = "FileCount";
inline constexpr char kPlayListLoop[] = "LoopPlayList";
inline constexpr char kPlayListShuffle[] = "ShufflePlayList";
inline constexpr char kPlayListSelectOne[] = "SelectOneFromPlayList";
// The files are keys "1" to FileCount.
inline std::string PlayListFileKey(int number) { return std::to_string(number); }

}  // namespace lumi::settings_file
