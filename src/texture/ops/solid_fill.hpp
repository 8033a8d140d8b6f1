#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Flood fill from (p1 x, p2 y) with colour (p3 r, p4 g, p5 b) over the 4-connected pixels whose
// grey lies strictly within p6 of the seed's grey; runs after the copy of the previous stage.
void opSolidFill(const OpInvocation& op);

}  // namespace tess
