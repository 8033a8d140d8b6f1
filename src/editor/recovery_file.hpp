#pragma once

// The crash-recovery copy of a modified project: a pack "recovery.tsc" and a side file
// "recovery.info" naming the pack it was edited from and when it was written, both in the
// editor's state folder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_io.hpp"

namespace tess {

struct RecoveryNote {
  std::filesystem::path pack;  // the pack the project was edited from; empty when never saved
  std::int64_t savedAt = 0;    // seconds since the epoch
};

// Two lines: "saved SECONDS", then "pack PATH" up to the end of the file, so that any path
// (newlines included) comes back as it was.
std::string recoveryNoteText(const RecoveryNote& note);
std::optional<RecoveryNote> parseRecoveryNote(std::string_view text);

class RecoveryFile {
 public:
  explicit RecoveryFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

  std::filesystem::path packFile() const { return folder_ / "recovery.tsc"; }
  std::filesystem::path noteFile() const { return folder_ / "recovery.info"; }

  // The pack text first, then the side file; each replaced whole or not at all.
  Status write(std::string_view packText, const RecoveryNote& note) const;
  // The recovery to offer: a recovery pack written after its pack was last changed (or whose
  // pack is gone or was never saved). A side file that cannot be read names no pack, so the
  // copy is still offered rather than lost.
  std::optional<RecoveryNote> pending() const;
  void remove() const;

 private:
  std::filesystem::path folder_;
};

// The question the editor asks at start before restoring.
std::string recoveryQuestion(const RecoveryNote& note);

}  // namespace tess
