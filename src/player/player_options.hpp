#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/frame_size.hpp"

namespace tess {

inline constexpr std::string_view kPlayerUsage =
    "usage: tessarine-player PACK.tsc [--window WxH] [--loop]\n"
    "Plays the pack's timeline with its music, full screen unless --window is given.\n"
    "Keys: Esc or Q quits, Space pauses and resumes.\n";

struct PlayerOptions {
  std::filesystem::path pack;
  std::optional<FrameSize> window;  // full screen without one
  bool loop = false;                // start again from row 0 at the end instead of quitting
  bool help = false;
};

// The arguments after the program's name; nothing, with message set, when they are not one pack
// and the options above (a window edge is 16..8192).
std::optional<PlayerOptions> readPlayerOptions(const std::vector<std::string>& args,
                                               std::string& message);

}  // namespace tess
