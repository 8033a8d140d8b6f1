#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// p1 iterations of a zoom blur towards the centre, p2 zoom; runs after the copy of the previous
// stage.
void opRadialBlur(const OpInvocation& op);

}  // namespace tess
