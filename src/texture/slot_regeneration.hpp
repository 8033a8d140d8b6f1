#pragma once

#include <functional>
#include <vector>

#include "texture/texture_store.hpp"

namespace tess {

// Regenerates the given slots in their order, exactly as selecting each one after another would,
// and calls published(t) after each slot t on the calling thread, in that order, with t current
// and all its stages in the store. Slots whose commands render no scene regenerate side by side
// on the other cores in work areas of their own and are handed over by exchanging stage areas; a
// slot that renders scenes runs on the calling thread once every slot before it is published, so
// the renderer sees the same textures as one slot after another would show it.
void regenerateSlots(TextureStore& store, const std::vector<int>& slots,
                     const std::function<void(int slot)>& published);

}  // namespace tess
