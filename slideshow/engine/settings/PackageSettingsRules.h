#pragma once
// How the author's texts in the package settings file become what the viewer
// and the settings pages show; free of the platform.
#include <string>

namespace lumi {

// The author writes line breaks in Custom_Text as "|"; each becomes "\r\n"
// for an edit control.
std::string CustomTextForDisplay(const std::string& stored);

// The builder writes the bare scheme when the author gave no address; that
// means there is no link.
std::string HyperlinkForDisplay(const std::string& stored);

// Display_Order "Random Order" in any letter case asks for random order.
bool IsRandomDisplayOrder(const std::string& displayOrder);

}  // namespace lumi
