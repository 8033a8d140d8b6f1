#include "cli/arguments.hpp"

#include <algorithm>
#include <charconv>

namespace tess::cli {

std::optional<std::string> Arguments::option(const std::string& name) const {
  auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& args,
                                        const std::vector<std::string>& allowed, std::string& message) {
  Arguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      parsed.positional.push_back(arg);
      continue;
    }
    const std::string name = arg.substr(2);
    if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
      message = "unknown option " + arg;
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      message = "option " + arg + " needs a value";
      return std::nullopt;
    }
    if (!parsed.options.emplace(name, args[++i]).second) {
      message = "option " + arg + " is given twice";
      return std::nullopt;
    }
  }
  return parsed;
}

std::optional<int> parseInteger(const std::string& text, int low, int high) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace tess::cli
