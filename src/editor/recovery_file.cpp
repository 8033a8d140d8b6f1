#include "editor/recovery_file.hpp"

#include <sys/stat.h>

#include <charconv>
#include <ctime>

namespace tess {
namespace {

constexpr std::string_view kSaved = "saved ";
constexpr std::string_view kPack = "pack ";

std::optional<timespec> modificationTime(const std::filesystem::path& path) {
  struct stat info{};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtim;
}

bool later(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

}  // namespace

std::string recoveryNoteText(const RecoveryNote& note) {
  return std::string(kSaved) + std::to_string(note.savedAt) + "\n" + std::string(kPack) +
         note.pack.string() + "\n";
}

std::optional<RecoveryNote> parseRecoveryNote(std::string_view text) {
  if (!text.starts_with(kSaved)) return std::nullopt;
  text.remove_prefix(kSaved.size());
  RecoveryNote note;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), note.savedAt);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  if (!text.starts_with("\n") || !text.substr(1).starts_with(kPack) || !text.ends_with("\n"))
    return std::nullopt;
  text = text.substr(1 + kPack.size());
  text.remove_suffix(1);
  note.pack = std::string(text);
  return note;
}

Status RecoveryFile::write(std::string_view packText, const RecoveryNote& note) const {
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  Status written = writeFileAtomically(packFile(), packText);
  if (!written.ok()) return written;
  return writeFileAtomically(noteFile(), recoveryNoteText(note));
}

std::optional<RecoveryNote> RecoveryFile::pending() const {
  const std::optional<timespec> written = modificationTime(packFile());
  if (!written) return std::nullopt;
  std::string text;
  std::optional<RecoveryNote> note;
  if (readWholeFile(noteFile(), text).ok()) note = parseRecoveryNote(text);
  if (!note) note = RecoveryNote{{}, written->tv_sec};
  if (!note->pack.empty()) {
    const std::optional<timespec> packChanged = modificationTime(note->pack);
    if (packChanged && !later(*written, *packChanged)) return std::nullopt;
  }
  return note;
}

void RecoveryFile::remove() const {
  std::error_code ignored;
  std::filesystem::remove(noteFile(), ignored);
  std::filesystem::remove(packFile(), ignored);
}

std::string recoveryQuestion(const RecoveryNote& note) {
  const std::time_t saved = static_cast<std::time_t>(note.savedAt);
  std::tm local{};
  char when[32] = "";
  if (::localtime_r(&saved, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
  const std::string name = note.pack.empty() ? "an unsaved project" : note.pack.string();
  return "The editor ended without saving the changes to " + name +
         ". A copy of them was kept at " + when + ". Restore it?";
}

}  // namespace tess
