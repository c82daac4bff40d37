#pragma once
// Replacing every occurrence of a text inside another, as the author's texts
// need it (line breaks written as "|"). No Windows header.
#include <string>
#include <string_view>

namespace lumi {

// Replaces every occurrence of search in text, scanning from the left; a
// replacement is never searched again, so occurrences do not overlap and a
// replacement that contains search does not grow without end. Returns the
// number of replacements. An empty search text matches nowhere, and a search
// equal to its replacement changes nothing: both give 0.
int ReplaceText(std::string& text, std::string_view search, std::string_view replacement);

}  // namespace lumi
