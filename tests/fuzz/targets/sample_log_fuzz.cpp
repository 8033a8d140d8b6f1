#include "audio/sample_log.hpp"
#include "sample_state.hpp"

namespace tess::fuzz {

TESS_FUZZ_TARGET(sample_log) {
  static const std::unique_ptr<SampleStore> store = std::make_unique<SampleStore>(),
                                            again = std::make_unique<SampleStore>();
  store->currentSample = (store->currentSample + 1) % kSampleCount;
  static SampleState before;
  before.capture(*store);
  const Status loaded = readSampleLog(*store, input, "input.slog");
  if (!loaded.ok()) {
    expectRefusal(loaded, "input.slog");
    expect(loaded.message.size() < 400, "a refusal quotes at most a short part of its line");
    expect(before.same(*store), "a refused sample log leaves the samples as they were");
    return;
  }
  const std::string written = sampleLogText(*store);
  again->currentSample = store->currentSample;
  expect(readSampleLog(*again, written, "written.slog").ok(), "a written sample log reads again");
  expect(sampleLogText(*again) == written, "a written sample log reads again to the same list");
  expect(again->currentRow() == store->currentRow(), "a written sample log keeps every parameter");
}

}  // namespace tess::fuzz
