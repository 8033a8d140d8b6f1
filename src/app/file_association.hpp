#pragma once

#include <filesystem>

namespace tess {

// Makes ".tsc" files known to the desktop as "Tessarine Complex Pack" opened by this program: a
// shared-mime-info package (application/x-tessarine-pack) and a desktop entry under
// $XDG_DATA_HOME (default ~/.local/share). Written at every start, only where the text differs,
// so repeated starts leave the same files; failures are ignored, as the association is a
// convenience.
void registerPackFileType(const std::filesystem::path& program);

}  // namespace tess
