// Writes the seed inputs of every fuzz target into OUT/seeds/TARGET and makes the folders a run
// needs: OUT/corpus/TARGET for what the run finds worth keeping, OUT/findings for crashes.

#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz_target.hpp"
#include "seed_inputs.hpp"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds OUT\n");
    return 2;
  }
  const fs::path out = argv[1];
  fs::create_directories(out / "findings");
  for (std::string_view target : tess::fuzz::kTargets) {
    const fs::path seeds = out / "seeds" / target;
    fs::create_directories(seeds);
    fs::create_directories(out / "corpus" / target);
    int n = 0;
    for (const std::string& seed : tess::fuzz::seedInputs(target)) {
      const tess::Status written =
          tess::writeFileAtomically(seeds / ("seed-" + std::to_string(n++)), seed);
      if (!written.ok()) {
        std::fprintf(stderr, "%s\n", written.message.c_str());
        return 1;
      }
    }
  }
  return 0;
}
