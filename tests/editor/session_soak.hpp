#pragma once

// A seeded random walk through the editor session: commands of every window's model, camera
// moves, pack loads, saves and merges, undo. After each command every current index must lie
// within its count and every count within its capacity; at the end, saving, loading and saving
// again must give the same pack bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tess::soak {

// One command: which one, and the random numbers it draws its arguments from.
struct Step {
  int command = 0;
  std::uint32_t a = 0, b = 0, c = 0;
};

struct Failure {
  std::size_t step = 0;  // the step after which it was found; the step count for the final check
  std::string what;
};

std::vector<Step> randomSteps(std::uint32_t seed, int count);

// Runs the steps on a fresh session whose files live in folder (emptied first), in a child
// process, so that a crash is a failure like any other.
std::optional<Failure> run(const std::vector<Step>& steps, const std::filesystem::path& folder);

// The shortest sequence found by dropping commands that still fails (in any way), within a
// budget of replays.
std::vector<Step> shrink(std::vector<Step> steps, const Failure& failure,
                         const std::filesystem::path& folder);

// One line a step: "3 objects.create(17,4,99)".
std::string describe(const std::vector<Step>& steps);

// The whole check: runs, and on failure returns a report with the seed and the shortest failing
// sequence; the failure goes to log as soon as it is found, before the shrinking.
std::optional<std::string> soak(std::uint32_t seed, int count, const std::filesystem::path& folder,
                                std::ostream& log);

}  // namespace tess::soak
