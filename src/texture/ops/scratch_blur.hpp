#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// In-place blur passes over three stacked scratch images (zero, a copy of prev, zero); the middle
// image becomes the result. p1 passes, p2 added brightness.
void opBlur(const OpInvocation& op);        // mixes the pixels below, above, left and right
void opMotionBlur(const OpInvocation& op);  // mixes the pixels left and right only

}  // namespace tess
