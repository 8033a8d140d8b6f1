#include "app/file_association.hpp"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/mime_package.hpp"
#include "core/file_io.hpp"

namespace tess {
namespace {

std::filesystem::path dataHome() {
  if (const char* home = std::getenv("XDG_DATA_HOME"); home && *home) return home;
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share";
  return {};
}

// Desktop entries quote arguments with double quotes, escaping ", `, $ and \ inside.
std::string quotedExec(const std::filesystem::path& program) {
  std::string quoted = "\"";
  for (char c : program.string()) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// $XDG_DATA_DIRS, or its default.
std::vector<std::filesystem::path> systemDataFolders() {
  const char* list = std::getenv("XDG_DATA_DIRS");
  std::istringstream folders(list && *list ? list : "/usr/local/share:/usr/share");
  std::vector<std::filesystem::path> result;
  for (std::string folder; std::getline(folders, folder, ':');)
    if (!folder.empty()) result.emplace_back(folder);
  return result;
}

void writeIfChanged(const std::filesystem::path& path, const std::string& text) {
  std::string present;
  if (readWholeFile(path, present).ok() && present == text) return;
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  writeFileAtomically(path, text);
}

}  // namespace

bool systemDesktopEntryInstalled() {
  std::error_code error;
  for (const std::filesystem::path& folder : systemDataFolders())
    if (std::filesystem::is_regular_file(folder / "applications" / kDesktopEntryName, error))
      return true;
  return false;
}

void registerPackFileType(const std::filesystem::path& program) {
  const std::filesystem::path home = dataHome();
  if (home.empty() || systemDesktopEntryInstalled()) return;
  writeIfChanged(home / "mime" / "packages" / "tessarine-pack.xml", kMimePackage);
  writeIfChanged(home / "applications" / "tessarine.desktop",
                 "[Desktop Entry]\n"
                 "Type=Application\n"
                 "Name=Tessarine\n"
                 "Comment=Tessarine Complex Pack\n"
                 "Exec=" + quotedExec(program) + " %f\n"
                 "MimeType=application/x-tessarine-pack;\n"
                 "Categories=Graphics;AudioVideo;\n");
}

}  // namespace tess
