#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "audio/sample_files.hpp"
#include "audio/sample_store.hpp"
#include "fuzz_target.hpp"

namespace tess::fuzz {

// Everything a sample file can change, to see that a refused file changed none of it. Kept in
// one instance whose buffers every input reuses (a fresh 2 MB copy per input would cost more
// than the read).
struct SampleState {
  std::vector<CommandRow> rows;
  std::array<std::int32_t, kSampleCount> counts{}, lengths{};
  int currentSample = 0, currentCommand = 0;

  void capture(const SampleStore& s) {
    rows = s.rows;
    counts = s.counts;
    lengths = s.lengths;
    currentSample = s.currentSample;
    currentCommand = s.currentCommand;
  }
  bool same(const SampleStore& s) const {
    return rows == s.rows && counts == s.counts && lengths == s.lengths &&
           currentSample == s.currentSample && currentCommand == s.currentCommand;
  }
};

// The contract of the binary sample readers: read is readSamplePack or readSampleFile, bytes
// writes what the read state saves as.
inline void checkSampleReader(std::string_view input, const char* name, SampleFileReader read,
                              std::string (*bytes)(const SampleStore&)) {
  static const std::unique_ptr<SampleStore> store = std::make_unique<SampleStore>(),
                                            again = std::make_unique<SampleStore>();
  // Each input goes to another sample, so that rows other than 0 are read into too.
  store->currentSample = (store->currentSample + 1) % kSampleCount;
  static SampleState before;
  before.capture(*store);
  const Status loaded = read(*store, input, name);
  if (!loaded.ok()) {
    expectRefusal(loaded, name);
    expect(before.same(*store), "a refused sample file leaves the samples as they were");
    return;
  }
  expect(store->currentCommand >= -1 && store->currentCommand < store->count(),
         "the current command is in the list");
  const std::string written = bytes(*store);
  again->currentSample = store->currentSample;
  expect(read(*again, written, name).ok(), "a written sample file reads again");
  expect(bytes(*again) == written, "a written sample file reads again to the same samples");
}

}  // namespace tess::fuzz
