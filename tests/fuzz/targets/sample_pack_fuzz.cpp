#include "sample_state.hpp"

namespace tess::fuzz {

TESS_FUZZ_TARGET(sample_pack) {
  checkSampleReader(input, "input.tsp", readSamplePack, samplePackBytes);
}

}  // namespace tess::fuzz
