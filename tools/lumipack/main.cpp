#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "Lumipack.h"

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lumipack::RunLumipack(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "lumipack: " << e.what() << '\n';
    return lumipack::kExitFailed;
  }
}
