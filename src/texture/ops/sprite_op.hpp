#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Adds another stage of the same texture, rotated and zoomed, onto the copy of the previous
// stage (blue, green and red with saturation at 255; alpha untouched).
void opAddSprite(const OpInvocation& op);

}  // namespace tess
