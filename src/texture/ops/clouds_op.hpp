#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Layered value noise in grey over a black image (alpha kept). Fills a random byte table in the
// scratch area from the shared generator, seeded with "rnd-ofs".
void opClouds(const OpInvocation& op);

}  // namespace tess
