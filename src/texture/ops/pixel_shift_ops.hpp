#pragma once

#include "texture/op_dispatch.hpp"

namespace tess {

// Channel shifts; none copies the previous stage first, each writes blue, green and red of every
// pixel and leaves alpha as the working stage held it.

// p1 r-shift, p2 g-shift, p3 b-shift, p4 saturnation: each channel is read from a pixel further
// on in memory order, by a distance scaled by its own value. (r-shift moves blue, b-shift red.)
void opPShift(const OpInvocation& op);

// The same parameters; each channel is read from a point pulled towards the centre.
void opRadialPShift(const OpInvocation& op);

// p1 stage-num, p2 x-scale, p3 y-scale: each pixel is read from an offset given by blue and green
// of stage p1, wrapping around the edges.
void opMap2dPShift(const OpInvocation& op);

}  // namespace tess
