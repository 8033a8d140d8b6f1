#pragma once

#include <functional>
#include <vector>

#include "texture/texture_store.hpp"

namespace tess {

// Regenerates the given slots in their order, exactly as selecting each one after another would,
// and calls published(t) after each slot t on the calling thread, in that order, with t current
// and the store's stage area holding what one slot after another would leave there. Slots that
// read only their own results regenerate side by side on the other cores, each in a work area of
// its own; a slot that renders a scene, or takes a sprite from a stage it has not written yet,
// runs on the calling thread once every slot before it is published, so it sees the same
// textures and stages as on one thread.
void regenerateSlots(TextureStore& store, const std::vector<int>& slots,
                     const std::function<void(int slot)>& published);

}  // namespace tess
