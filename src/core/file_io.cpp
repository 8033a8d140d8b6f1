#include "core/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tess {

namespace {

Status systemFailure(const std::filesystem::path& path, const char* action, int error) {
  return Status::failure("'" + path.string() + "': " + action + ": " + std::strerror(error));
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Mode for the new file: the old file's mode when it exists, otherwise what open() would give.
mode_t modeForReplacement(const std::filesystem::path& path) {
  struct stat existing{};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

Status readWholeFile(const std::filesystem::path& path, std::string& contents) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return Status::failure("'" + path.string() + "': cannot read: is a folder");
  std::ifstream file(path, std::ios::binary);
  if (!file) return systemFailure(path, "cannot open", errno);
  std::ostringstream buffer;
  buffer << file.rdbuf();
  if (file.bad()) return systemFailure(path, "cannot read", errno);
  contents = std::move(buffer).str();
  return Status::success();
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view data) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return systemFailure(path, "cannot save", errno);

  bool written = writeAll(fd, data) && ::fchmod(fd, modeForReplacement(path)) == 0 && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return systemFailure(path, "cannot save", error);
  }
  return Status::success();
}

}  // namespace tess
