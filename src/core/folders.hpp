#pragma once

#include <filesystem>
#include <string_view>

namespace tess {

// Read-only data folder (font, help, example project, default schemes): $TESSARINE_DATA_DIR when
// set, else <prefix>/share/tessarine beside the executable's <prefix>/bin (an installed copy runs
// wherever it was installed), else <build>/data when the program runs from the build tree;
// <prefix>/share/tessarine when neither exists.
std::filesystem::path dataFolder();

// Writable per-user folders, created on demand: $XDG_CONFIG_HOME/tessarine (window schemes,
// recent files) and $XDG_CACHE_HOME/tessarine (the preview WAV).
std::filesystem::path userFolder();
std::filesystem::path cacheFolder();
// $XDG_STATE_HOME/tessarine (default ~/.local/state/tessarine): the crash-recovery copy.
std::filesystem::path stateFolder();

// A file looked up in the user folder first, then in the data folder; the data folder's path when
// neither has it.
std::filesystem::path userOrDataFile(std::string_view name);

}  // namespace tess
