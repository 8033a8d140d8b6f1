#pragma once

#include <filesystem>

namespace tess {

// The desktop entry an installation puts into <prefix>/share/applications.
inline constexpr const char* kDesktopEntryName = "org.tessarine.Tessarine.desktop";

// Whether that entry lies in one of the system's data folders ($XDG_DATA_DIRS, default
// /usr/local/share:/usr/share): the installed program is then known to the desktop already.
bool systemDesktopEntryInstalled();

// Makes ".tsc" files known to the desktop as "Tessarine Complex Pack" opened by this program: a
// shared-mime-info package (application/x-tessarine-pack) and a desktop entry under
// $XDG_DATA_HOME (default ~/.local/share). Written at every start, only where the text differs,
// so repeated starts leave the same files, and not at all where the system-wide entry is
// installed; failures are ignored, as the association is a convenience.
void registerPackFileType(const std::filesystem::path& program);

}  // namespace tess
