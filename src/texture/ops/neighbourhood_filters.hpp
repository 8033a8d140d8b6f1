#pragma once

#include "texture/op_dispatch.hpp"
#include "texture/ops/neighbourhood.hpp"

namespace tess {

// 3 x 3 filters on blue, green and red separately; alpha is prev's.
void opSharpen(const OpInvocation& op);
void opMedian(const OpInvocation& op);
void opDilate(const OpInvocation& op);  // largest of the nine
void opErode(const OpInvocation& op);   // smallest of the nine
void opEdge(const OpInvocation& op);    // vertical gradient, doubled
void opEmboss(const OpInvocation& op);  // length of the offset gradient

// The fifth largest of nine values.
int medianOfNine(const Neighbourhood& n);

}  // namespace tess
