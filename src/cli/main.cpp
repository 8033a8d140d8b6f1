// tessarine-cli: the headless face of the Tessarine libraries, for batch export and checks.
#include <iostream>

#include "cli/commands.hpp"

int main(int argc, char** argv) {
  return tess::cli::runProgram({argv + 1, argv + argc}, std::cout, std::cerr);
}
