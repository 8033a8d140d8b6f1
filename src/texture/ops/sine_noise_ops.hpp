#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Deterministic noise from sines of the pixel number; no random generator involved. Both run
// after the copy of the previous stage.
void opAddNoise(const OpInvocation& op);  // p1 amp: adds noise to blue, green and red, saturating
void opAddStars(const OpInvocation& op);  // p1 count, p2 brightness: grey pixels at sine positions

}  // namespace tess
