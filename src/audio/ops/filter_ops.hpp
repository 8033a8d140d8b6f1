#pragma once

#include "audio/ops/synth_invocation.hpp"

namespace tess {

// Band filters over the input stage.
void synthEq(const SynthInvocation& op);     // six band gains
void synthPluck(const SynthInvocation& op);  // end band, start band, bandwidth

}  // namespace tess
