#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Per-pixel channel operations; each runs after the copy of the previous stage.
void opClear(const OpInvocation& op);           // all four bytes 0
void opClearRGB(const OpInvocation& op);        // blue, green, red 0
void opCopyBlueToAlfa(const OpInvocation& op);  // alpha = blue
void opInvertAlfa(const OpInvocation& op);      // alpha = 255 - alpha
void opClearAlfa(const OpInvocation& op);       // alpha = 255
void opInvert(const OpInvocation& op);          // blue, green, red = 255 - itself

}  // namespace tess
