#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tess {

// Outcome of a load or save: empty message on success, otherwise one line that names the file
// and the problem, ready to show the user.
struct Status {
  std::string message;

  bool ok() const { return message.empty(); }
  static Status success() { return {}; }
  static Status failure(std::string message) { return {std::move(message)}; }
};

// Reads the whole file (no size cut) in binary.
Status readWholeFile(const std::filesystem::path& path, std::string& contents);

// Saves data to path without changing what path is. A regular file (or a missing one) is written
// to a temporary file in the same folder, flushed and renamed over it, then the folder is flushed:
// the previous file is either replaced whole or left untouched. A symbolic link is followed and
// the file it points to is saved that way; the link stays. A character or block device or a FIFO
// is opened and written in place. Anything else (a folder, a socket) is refused.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view data);

}  // namespace tess
