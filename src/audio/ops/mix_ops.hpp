#pragma once

#include "audio/ops/synth_invocation.hpp"

namespace tess {

// Operations that combine two stages named by their command numbers; a number above n - 2 reads
// stage n - 2.
void synthMixer(const SynthInvocation& op);  // stages, amplitudes, offsets, mode 0..3
void synthMorf(const SynthInvocation& op);   // cross-fade from the second stage to the first

}  // namespace tess
