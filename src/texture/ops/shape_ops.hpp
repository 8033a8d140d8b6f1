#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Shapes drawn over the copy of the previous stage; alpha is never written.
void opBox(const OpInvocation& op);          // solid rectangle
void opCircle(const OpInvocation& op);       // solid disc
void opAddParticle(const OpInvocation& op);  // soft glow that brightens or darkens each channel

}  // namespace tess
