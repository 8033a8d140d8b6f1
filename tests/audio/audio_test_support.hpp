#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "audio/sample_operation_table.hpp"
#include "audio/sample_store.hpp"
#include "audio/synthesiser.hpp"

namespace tess::testing {

inline SampleCommand command(int op, std::initializer_list<int> params = {}) {
  SampleCommand result;
  result.op = op;
  int j = 0;
  for (int value : params) result.p[j++] = value;
  return result;
}

// A fresh store whose current sample holds commands, with the last one current.
inline std::unique_ptr<SampleStore> storeWithList(std::initializer_list<SampleCommand> commands) {
  auto store = std::make_unique<SampleStore>();
  int k = 0;
  for (const SampleCommand& c : commands) store->currentRow()[k++] = c;
  store->counts[store->currentSample] = k;
  store->currentCommand = k - 1;
  return store;
}

// The signal of stage k at the current length.
inline std::vector<int> stageValues(const SampleStore& store, int k) {
  const ConstStageView stage = store.stages.stage(k, store.length());
  std::vector<int> values(store.length());
  for (int i = 0; i < store.length(); ++i) values[i] = stage[i];
  return values;
}

// Runs the list and returns the signal of stage k.
inline std::vector<int> runAndRead(SampleStore& store, int k) {
  runSampleList(store);
  return stageValues(store, k);
}

}  // namespace tess::testing
