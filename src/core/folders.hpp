#pragma once

#include <filesystem>
#include <string_view>

namespace tess {

// Read-only data folder (font, help, example project, default schemes): $TESSARINE_DATA_DIR when
// set, else <build>/data when the program runs from the build tree (bin/ beside data/), else the
// installed <prefix>/share/tessarine.
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
