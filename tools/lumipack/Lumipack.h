#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumipack {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// One run of the builder: args without the program name; listings, help and
// the summary of a photo build go to out, errors as one line "lumipack: ..."
// each to err, and so does the progress of a photo build, rewritten in place
// when err is a terminal. Returns the exit code.
int RunLumipack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                bool errIsTerminal = false);

}  // namespace lumipack
