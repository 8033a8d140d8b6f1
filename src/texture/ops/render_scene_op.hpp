#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Blue, green and red of a rendered scene (alpha kept). No copy of the previous stage; scene-id
// 128 or more, or no renderer attached, leaves the working stage as it was.
void opRenderScene(const OpInvocation& op);

}  // namespace tess
