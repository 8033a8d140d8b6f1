// session_soak [SEED] [COMMANDS]: a long soak of the editor session (scripts/soak.sh runs it).
// Prints the seed; on failure also the shortest command sequence that still fails, and exits 1.
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "session_soak.hpp"
#include "test_folder.hpp"

int main(int argc, char** argv) {
  const std::uint32_t seed =
      argc > 1 ? static_cast<std::uint32_t>(std::stoul(argv[1])) : std::random_device{}();
  const int count = argc > 2 ? std::stoi(argv[2]) : 100'000;
  std::cout << "soak seed " << seed << ", " << count << " commands" << std::endl;
  tess::TestFolder folder;
  if (const auto failure = tess::soak::soak(seed, count, folder.path() / "walk", std::cout)) {
    std::cout << *failure;
    return 1;
  }
  std::cout << "no failure" << std::endl;
  return 0;
}
