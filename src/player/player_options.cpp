#include "player/player_options.hpp"

namespace tess {

namespace {

constexpr int kEdgeMin = 16;
constexpr int kEdgeMax = 8192;

}  // namespace

std::optional<PlayerOptions> readPlayerOptions(const std::vector<std::string>& args,
                                               std::string& message) {
  PlayerOptions options;
  std::vector<std::string> packs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return options;
    }
    if (arg == "--loop") {
      options.loop = true;
    } else if (arg == "--window") {
      if (i + 1 == args.size()) return message = "--window needs WxH", std::nullopt;
      if (options.window) return message = "--window is given twice", std::nullopt;
      options.window = parseFrameSize(args[++i], kEdgeMin, kEdgeMax);
      if (!options.window)
        return message = "--window must be WxH with edges " + std::to_string(kEdgeMin) + ".." +
                         std::to_string(kEdgeMax),
               std::nullopt;
    } else if (arg.starts_with("--")) {
      return message = "unknown option " + arg, std::nullopt;
    } else {
      packs.push_back(arg);
    }
  }
  if (packs.size() != 1) return message = "expected one pack file", std::nullopt;
  options.pack = packs[0];
  return options;
}

}  // namespace tess
