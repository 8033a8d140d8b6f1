#include "sample_state.hpp"

namespace tess::fuzz {

TESS_FUZZ_TARGET(sample_file) {
  checkSampleReader(input, "input.tsm", readSampleFile, sampleFileBytes);
}

}  // namespace tess::fuzz
