#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tess::cli {

// Exit statuses of tessarine-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// A subcommand's arguments: positional inputs and "--name value" options.
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;

  std::optional<std::string> option(const std::string& name) const;
};

// Splits args; every option takes one value. Fails (message set) on an option outside allowed,
// a missing value or a repeated option.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args,
                                        const std::vector<std::string>& allowed, std::string& message);

// A whole decimal number within [low, high], or nothing.
std::optional<int> parseInteger(const std::string& text, int low, int high);

}  // namespace tess::cli
