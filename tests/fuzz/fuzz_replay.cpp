#include <filesystem>

#include "fuzz_target.hpp"
#include "seed_inputs.hpp"

namespace tess::fuzz {

namespace {

const std::filesystem::path kFuzzFolder = std::filesystem::path(TESS_SOURCE_DIR) / "tests" / "fuzz";

// The seeds, each also cut in half (a file cut short is the commonest damage), then every kept
// finding.
std::vector<std::string> replayed(std::string_view name) {
  std::vector<std::string> inputs;
  for (const std::string& seed : seedInputs(name)) {
    inputs.push_back(seed);
    inputs.push_back(seed.substr(0, seed.size() / 2));
  }
  EXPECT_FALSE(inputs.empty()) << name << " has seed inputs";
  const std::filesystem::path kept = kFuzzFolder / "regressions" / name;
  if (std::filesystem::is_directory(kept)) {
    for (const auto& entry : std::filesystem::directory_iterator(kept)) {
      std::string input;
      EXPECT_TRUE(readWholeFile(entry.path(), input).ok()) << entry.path();
      inputs.push_back(std::move(input));
    }
  }
  return inputs;
}

}  // namespace

void replayInputs(std::string_view name, TargetFunction target) {
  for (const std::string& input : replayed(name)) target(input);
}

}  // namespace tess::fuzz
