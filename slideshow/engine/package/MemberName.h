#pragma once

#include <string_view>

namespace lumi {

// True when a stored name can only ever mean a file directly inside the
// temporary folder the engine extracts into: not empty, no drive or folder part
// (no colon, slash or backslash), and no "." or ".." anywhere that could climb
// out of that folder.
bool IsSafeMemberName(std::string_view name);

// Member names match ignoring ASCII letter case, the way the engine looks them
// up ("pics.cvn" finds "Pics.cvn").
bool MemberNamesEqual(std::string_view a, std::string_view b);

}  // namespace lumi
