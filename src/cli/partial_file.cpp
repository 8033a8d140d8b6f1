#include "cli/partial_file.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace tess::cli {

PartialFile::PartialFile(std::filesystem::path destination)
    : destination_(std::move(destination)), path_(destination_.string() + ".part") {}

PartialFile::~PartialFile() {
  std::error_code ignored;
  if (created_) std::filesystem::remove(path_, ignored);
}

Status PartialFile::create() {
  if (std::filesystem::is_directory(destination_))
    return Status::failure("'" + destination_.string() + "': is a folder");
  std::ofstream probe(path_, std::ios::binary | std::ios::trunc);
  if (!probe)
    return Status::failure("'" + destination_.string() + "': cannot be written (" +
                           std::strerror(errno) + ")");
  created_ = true;
  return Status::success();
}

Status PartialFile::commit() {
  std::error_code error;
  std::filesystem::rename(path_, destination_, error);
  if (error)
    return Status::failure("'" + destination_.string() + "': cannot be written (" +
                           error.message() + ")");
  created_ = false;
  return Status::success();
}

}  // namespace tess::cli
