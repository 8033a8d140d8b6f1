#include "app/file_association.hpp"

#include <cstdlib>
#include <string>

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

void writeIfChanged(const std::filesystem::path& path, const std::string& text) {
  std::string present;
  if (readWholeFile(path, present).ok() && present == text) return;
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  writeFileAtomically(path, text);
}

}  // namespace

void registerPackFileType(const std::filesystem::path& program) {
  const std::filesystem::path home = dataHome();
  if (home.empty()) return;
  writeIfChanged(home / "mime" / "packages" / "tessarine-pack.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                 "  <mime-type type=\"application/x-tessarine-pack\">\n"
                 "    <comment>Tessarine Complex Pack</comment>\n"
                 "    <glob pattern=\"*.tsc\"/>\n"
                 "  </mime-type>\n"
                 "</mime-info>\n");
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
