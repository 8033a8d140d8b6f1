#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Combines stages p1 and p2 (earlier stages, clamped by the interpreter) with brightnesses p3 and
// p4 by type p5: 0 add, 1 subtract, 2 reverse subtract, 3 multiply, 4 lighter, 5 darker. Writes
// blue, green and red without copying the previous stage first; alpha stays as the working stage
// held it. Types 6..255 mix nothing: the working stage becomes a copy of the previous stage, the
// state regeneration leaves it in, so the live preview always matches the regenerated image.
void opMixer(const OpInvocation& op);

}  // namespace tess
