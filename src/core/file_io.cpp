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

// The file a save goes to: path itself, or where its chain of symbolic links ends (which may not
// exist yet), so that saving through a link replaces the file and keeps the link. 0 or an errno.
int followLinks(const std::filesystem::path& path, std::filesystem::path& target) {
  target = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info{};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
    std::error_code error;
    std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) return error.value();
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return ELOOP;
}

// Devices and FIFOs are written as they stand: a temporary file renamed over /dev/null would
// replace the device with a regular file.
Status writeInPlace(const std::filesystem::path& path, const std::filesystem::path& target,
                    std::string_view data) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return systemFailure(path, "cannot save", errno);
  bool written = writeAll(fd, data);
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  return written ? Status::success() : systemFailure(path, "cannot save", error);
}

// The folder's entry must reach the disk too, or a power cut right after the rename can bring
// back the old file (or none). Folders that cannot be synced (EINVAL) are not an error.
int syncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

// A regular file, or none yet: written to a temporary file in the same folder, flushed and
// renamed over the target, so the previous file is either replaced whole or left untouched.
Status replaceFile(const std::filesystem::path& path, const std::filesystem::path& target,
                   std::string_view data) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return systemFailure(path, "cannot save", errno);

  bool written =
      writeAll(fd, data) && ::fchmod(fd, modeForReplacement(target)) == 0 && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return systemFailure(path, "cannot save", error);
  }
  if (int synced = syncFolder(folder); synced != 0)
    return systemFailure(path, "cannot save", synced);
  return Status::success();
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
  std::filesystem::path target;
  if (int error = followLinks(path, target); error != 0)
    return systemFailure(path, "cannot save", error);
  struct stat existing{};
  if (::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    if (S_ISCHR(existing.st_mode) || S_ISBLK(existing.st_mode) || S_ISFIFO(existing.st_mode))
      return writeInPlace(path, target, data);
    return systemFailure(path, "cannot save", S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
  }
  return replaceFile(path, target, data);
}

}  // namespace tess
