#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Draws the command's text in white with the bitmap font over the copy of the previous stage.
void opDrwTxt(const OpInvocation& op);

}  // namespace tess
