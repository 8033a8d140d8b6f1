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

// Writes data to a temporary file in the same folder, flushes it and renames it over path, so the
// previous file is either replaced whole or left untouched.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view data);

}  // namespace tess
