#include "slideshow/engine/settings/TextReplace.h"

namespace lumi {

int ReplaceText(std::string& text, std::string_view search, std::string_view replacement) {
  // An empty search would be found at every position, the same one again
  // after each replacement.
  if (search.empty() || search == replacement) return 0;
  int count = 0;
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
    result.append(text, from, at - from);
    result.append(replacement);
    from = at + search.size();
    ++count;
  }
  if (count == 0) return 0;
  result.append(text, from, std::string::npos);
  text = std::move(result);
  return count;
}

}  // namespace lumi
