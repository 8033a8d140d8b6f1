#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Operations that move pixels of the previous stage. Each starts from the copy of the previous
// stage and writes blue, green and red only; alpha stays as copied.
void opSinDistort(const OpInvocation& op);  // sine waves along both axes
void opTwirl(const OpInvocation& op);       // rotation that grows toward the centre of a disc
void opLenz(const OpInvocation& op);        // magnifying (or shrinking) lens
void opRotorZoom(const OpInvocation& op);   // rotate, zoom and stretch
void opMozaic(const OpInvocation& op);      // the image repeated order + 1 times per axis

}  // namespace tess
