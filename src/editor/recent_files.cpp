#include "editor/recent_files.hpp"

#include <algorithm>
#include <utility>

namespace tess {

void RecentFiles::openedRecent(int k) {
  if (k >= 2 && k <= count) std::swap(names[0], names[k - 1]);
}

void RecentFiles::openedNew(const std::string& path) {
  if (!fits(path)) return;
  std::move_backward(names.begin(), names.end() - 1, names.end());
  names[0] = path;
  count = std::min(count + 1, kCapacity);
}

std::string encodeRecentFiles(const RecentFiles& recent) {
  std::string out(RecentFiles::kFileBytes, '\0');
  for (int k = 0; k < RecentFiles::kCapacity; ++k) {
    const std::string& name = recent.names[k];
    std::copy_n(name.begin(), std::min(name.size(), RecentFiles::kNameBytes - 1),
                out.begin() + static_cast<std::ptrdiff_t>(k * RecentFiles::kNameBytes));
  }
  out.back() = static_cast<char>('0' + recent.count);
  return out;
}

RecentFiles decodeRecentFiles(std::string_view bytes) {
  RecentFiles recent;
  if (bytes.size() != RecentFiles::kFileBytes) return recent;
  const char digit = bytes.back();
  if (digit < '0' || digit > '0' + RecentFiles::kCapacity) return recent;
  recent.count = digit - '0';
  for (int k = 0; k < RecentFiles::kCapacity; ++k) {
    const std::string_view field = bytes.substr(k * RecentFiles::kNameBytes, RecentFiles::kNameBytes - 1);
    recent.names[k] = std::string(field.substr(0, field.find('\0')));
  }
  return recent;
}

}  // namespace tess
