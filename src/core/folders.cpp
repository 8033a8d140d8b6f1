#include "core/folders.hpp"

#include <cstdlib>
#include <system_error>

namespace tess {

namespace fs = std::filesystem;

namespace {

fs::path environmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? fs::path(value) : fs::path();
}

fs::path executableFolder() {
  std::error_code error;
  fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path(error) : executable.parent_path();
}

// $XDG_<kind>_HOME/tessarine, or ~/<fallback>/tessarine, created when missing.
fs::path xdgFolder(const char* variable, const char* homeFallback) {
  fs::path base = environmentPath(variable);
  if (base.empty()) {
    fs::path home = environmentPath("HOME");
    base = (home.empty() ? fs::temp_directory_path() : home) / homeFallback;
  }
  fs::path folder = base / "tessarine";
  std::error_code ignored;
  fs::create_directories(folder, ignored);
  return folder;
}

}  // namespace

fs::path dataFolder() {
  fs::path configured = environmentPath("TESSARINE_DATA_DIR");
  if (!configured.empty()) return configured;
  const fs::path prefix = executableFolder().parent_path();
  const fs::path installed = prefix / "share" / "tessarine";
  std::error_code error;
  if (!fs::is_directory(installed, error) && fs::is_directory(prefix / "data", error))
    return prefix / "data";
  return installed;
}

fs::path userFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

fs::path cacheFolder() { return xdgFolder("XDG_CACHE_HOME", ".cache"); }

fs::path stateFolder() { return xdgFolder("XDG_STATE_HOME", ".local/state"); }

fs::path userOrDataFile(std::string_view name) {
  fs::path own = userFolder() / name;
  std::error_code error;
  if (fs::exists(own, error)) return own;
  return dataFolder() / name;
}

}  // namespace tess
