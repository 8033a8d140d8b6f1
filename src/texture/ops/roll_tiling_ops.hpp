#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Shifts the image with wrap-around and optionally mirrors it (flip 0..3; 4 and up keep the copy).
void opRoll(const OpInvocation& op);

// Rolls the image, then overlays copies of it rotated about the centre in steps of "anglestep",
// added (mixtype 0) or keeping the lighter channel (mixtype 1). The only distortion that writes
// alpha too.
void opTiling(const OpInvocation& op);

}  // namespace tess
