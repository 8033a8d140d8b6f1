#pragma once

#include <filesystem>

#include "core/file_io.hpp"

namespace tess::cli {

// A file written beside its destination under a temporary name (the destination's name and
// ".part") and renamed over it only when complete: a failed or interrupted writer leaves nothing
// half written, and a file that was there before stays until the new one is whole.
class PartialFile {
 public:
  explicit PartialFile(std::filesystem::path destination);
  // Removes the temporary file unless it was committed.
  ~PartialFile();
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Creates the temporary file, so that an unwritable destination is known before any work.
  Status create();
  // Renames the temporary file over the destination.
  Status commit();

 private:
  std::filesystem::path destination_;
  std::filesystem::path path_;
  bool created_ = false;
};

}  // namespace tess::cli
