#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tess {

// The last opened packs, most recent first, as the "File" menu lists them and "rf.tmp" keeps them.
struct RecentFiles {
  static constexpr int kCapacity = 4;
  static constexpr std::size_t kNameBytes = 100;  // a name field with its terminating zero
  static constexpr std::size_t kFileBytes = kCapacity * kNameBytes + 1;

  std::array<std::string, kCapacity> names;
  int count = 0;

  // Whether a path fits a name field. A longer one is never entered: cut short it would name
  // another file.
  static bool fits(std::string_view path) { return path.size() < kNameBytes; }

  // After a successful load. From recent file 1 nothing changes; from recent file k (2..4)
  // names 1 and k exchange places; a pack from the open dialog or the command line becomes name 1
  // and the others move down one place, the last one dropped.
  void openedRecent(int k);
  void openedNew(const std::string& path);
};

inline constexpr std::string_view kRecentFilesName = "rf.tmp";

// "rf.tmp": four zero-padded 100-byte name fields, then the count as one digit "0".."4".
std::string encodeRecentFiles(const RecentFiles& recent);
// A file of another length, or a count that is not a digit 0..4, reads as an empty list.
RecentFiles decodeRecentFiles(std::string_view bytes);

}  // namespace tess
