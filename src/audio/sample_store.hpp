#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "audio/band_filter.hpp"
#include "audio/sample_types.hpp"
#include "audio/stage_store.hpp"
#include "audio/wave_tables.hpp"

namespace tess {

// The sample generator's state: the command lists of the 255 samples, their lengths, the cursors
// and the synthesiser's work areas. Large (about 57 MB, mostly a lazily zeroed stage store):
// create one per application, on the heap. Constructing it builds the wave tables, which reseeds
// the shared random generator.
struct SampleStore {
  std::vector<CommandRow> rows = std::vector<CommandRow>(kCommandRows);  // row s = sample s
  std::array<std::int32_t, kSampleCount> counts{};
  std::array<std::int32_t, kSampleCount> lengths = startLengths();  // values per stage
  int currentSample = 0;
  int currentCommand = -1;  // -1: none

  StageStore stages;
  WaveTables waves;
  BandFilter filter;

  SampleStore() { buildWaveTables(waves); }

  CommandRow& currentRow() { return rows[currentSample]; }
  const CommandRow& currentRow() const { return rows[currentSample]; }
  int count() const { return counts[currentSample]; }
  int length() const { return lengths[currentSample]; }

  // A current command beyond the current sample's list becomes its last command (or none), so
  // the cursor always names a command of the list or none. Loading calls it: a pack's index
  // belongs to whichever sample was current when it was saved.
  void keepCurrentCommandInList() { currentCommand = std::min(currentCommand, count() - 1); }

 private:
  static std::array<std::int32_t, kSampleCount> startLengths() {
    std::array<std::int32_t, kSampleCount> lengths;
    lengths.fill(kStartLength);
    return lengths;
  }
};

}  // namespace tess
