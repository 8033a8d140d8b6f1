#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Generators that draw a pattern from their parameters alone. All of them overwrite blue, green
// and red of every pixel without starting from a copy of the previous stage.
void opCells(const OpInvocation& op);       // cellular distance pattern
void opPlasm(const OpInvocation& op);       // sum of a horizontal and a vertical sine wave
void opChessField(const OpInvocation& op);  // black and white checkerboard
void opLGradient(const OpInvocation& op);   // vertical two-colour gradient

}  // namespace tess
