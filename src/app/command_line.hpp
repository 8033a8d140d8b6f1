#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace tess {

// What the editor was started with.
struct EditorCommandLine {
  std::optional<int> exitStatus;  // set: end at once with this status (help, version, misuse)
  std::optional<std::filesystem::path> pack;  // the pack to open; an empty argument opens none
};

// Reads `tessarine [options] [PACK.tsc]` before any window system is needed: --help and
// --version print to out (status 0), a usage error prints the message and the usage to err
// (status 2). The options QApplication reads itself (-platform, -style, ...) are let through.
EditorCommandLine readEditorCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace tess
