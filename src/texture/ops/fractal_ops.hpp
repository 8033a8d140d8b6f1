#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Escape-time fractals in grey; both overwrite blue, green and red of every pixel without
// starting from a copy of the previous stage.
void opMandelbrot(const OpInvocation& op);
void opJulia(const OpInvocation& op);

// Iterated function system (a fern by default): black image, points plotted in white. Draws from
// the shared random generator, seeded with 0.
void opList(const OpInvocation& op);

}  // namespace tess
