#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Fades a zone of p1 * S / 512 columns (p2 = 0) or rows (p2 = 1) at opposite edges towards their
// common average so that the texture tiles; runs after the copy of the previous stage. Other
// directions leave the copy.
void opCrossFade(const OpInvocation& op);

}  // namespace tess
