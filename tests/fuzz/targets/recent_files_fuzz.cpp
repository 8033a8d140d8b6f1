#include "editor/recent_files.hpp"
#include "fuzz_target.hpp"

namespace tess::fuzz {

TESS_FUZZ_TARGET(recent_files) {
  const RecentFiles read = decodeRecentFiles(input);
  expect(read.count >= 0 && read.count <= RecentFiles::kCapacity, "the count fits");
  for (int k = 0; k < read.count; ++k)
    expect(RecentFiles::fits(read.names[k]), "every name fits its field");
  const std::string written = encodeRecentFiles(read);
  expect(written.size() == RecentFiles::kFileBytes, "the file has its size");
  const RecentFiles again = decodeRecentFiles(written);
  expect(again.count == read.count && again.names == read.names,
         "written recent files read again the same");
}

}  // namespace tess::fuzz
