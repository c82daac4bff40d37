#pragma once

#include <cstdint>
#include <vector>

namespace lumi::imaging {

// Whole-file reads and writes for the file calls. Paths are the engine's
// 8-bit ANSI text, which the C runtime's fopen takes as it is on Windows.
// Reading refuses files larger than kMaxFileBytes.
int ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes);
int WriteWholeFile(const char* path, const std::vector<std::uint8_t>& bytes);

inline constexpr long long kMaxFileBytes = 256LL * 1024 * 1024;

}  // namespace lumi::imaging
