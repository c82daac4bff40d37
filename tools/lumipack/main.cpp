#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "Lumipack.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Progress is rewritten in place only where someone watches it.
bool ErrorOutputIsTerminal() {
#ifdef _WIN32
  return _isatty(2) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lumipack::RunLumipack(args, std::cout, std::cerr, ErrorOutputIsTerminal());
  } catch (const std::exception& e) {
    std::cerr << "lumipack: " << e.what() << '\n';
    return lumipack::kExitFailed;
  }
}
