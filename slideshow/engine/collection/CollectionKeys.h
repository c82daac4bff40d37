#pragma once
// The names in a picture collection file: its member name in the package,
// sections and keys. The builder and the sample generator write them and the
// collection reader reads them, so they are spelled once, here. No Windows
// header: the host tools include it too.
#include <string>

namespace lumi::collection_file {

inline constexpr char kMemberName[] = "Pics.cvn";

inline constexpr char kGeneralSection[] = "General";
inline constexpr char kCount[] = "Count";
inline constexpr char kTitle[] = "Title";
inline constexpr char kActive[] = "Active";
inline constexpr char kId[] = "ID";
inline constexpr char kVersion[] = "Version";

// One section per picture, "Picture1" to "Picture<Count>".
inline std::string PictureSection(int pictureNumber) {
  return "Picture" + std::to_string(pictureNumber);
}
inline constexpr char kPictureId[] = "ID";
inline constexpr char kPictureVersion[] = "Version";
inline constexpr char kPictureName[] = "Name";
inline constexpr char kPictureTitle[] = "Title";
inline constexpr char kPictureImage[] = "Image";
inline constexpr char kPictureThumb[] = "Thumb";
inline constexpr char kPictureText[] = "Text";
inline constexpr char kPictureCopyright[] = "Copyright";
inline constexpr char kPictureDisplayTime[] = "Display_Time";
inline constexpr char kPictureGraphicName[] = "Graphic_Name";
inline constexpr char kPictureGraphicPosition[] = "Graphic_Position";
inline constexpr char kPicturePlaySound[] = "Play_Sound";
inline constexpr char kPictureRepeatSound[] = "Repeat_Sound";
// The picture's size, written for the viewer's list; the slideshow measures
// the decoded picture itself.
inline constexpr char kPictureMediaWidth[] = "Media_Width";
inline constexpr char kPictureMediaHeight[] = "Media_Height";
inline constexpr char kPictureIsRemoved[] = "IsRemoved";

}  // namespace lumi::collection_file
