#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumipack {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// One run of the builder: args without the program name; listings and help go
// to out, errors as one line "lumipack: ..." to err. Returns the exit code.
int RunLumipack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumipack
