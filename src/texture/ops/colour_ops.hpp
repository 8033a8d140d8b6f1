#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Per-pixel colour changes after the copy of the previous stage; alpha is kept.
void opScaleColor(const OpInvocation& op);   // p1 r, p2 g, p3 b: channel * p / 128, at most 255
void opAdjustColor(const OpInvocation& op);  // p1 hue, p2 brightness, p3 contrast
void opSinColor(const OpInvocation& op);     // p1 r, p2 g, p3 b, p4 all: sine of the channel

// AdjustColor's hue weight for table index k (0..255). The weights rise, hold and fall over
// indices 0..251; indices 252..255 weigh 0, as index 0 does.
int hueWeight(int k);

}  // namespace tess
