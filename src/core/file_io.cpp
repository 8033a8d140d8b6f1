#include "core/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return systemFailure(path, "cannot open", errno);
  struct stat info{};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    return systemFailure(path, "cannot read", error);
  }
  // Read straight into the result; the size is only a hint, so files that grow or shrink while
  // being read still come back whole.
  std::string data;
  data.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == data.size()) data.resize(data.size() * 2 + 4096);
    ssize_t got = ::read(fd, data.data() + filled, data.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      int error = errno;
      ::close(fd);
      return systemFailure(path, "cannot read", error);
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  data.resize(filled);
  contents = std::move(data);
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
