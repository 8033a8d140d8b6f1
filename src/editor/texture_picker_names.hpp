#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "texture/texture_store.hpp"

namespace tess {

// What a picker shows for a slot: its name, or the slot number when the name is empty.
std::string pickerEntry(int slot, std::string_view name);

// The entries of a texture picker: all 255 slots in order, index = slot.
std::vector<std::string> texturePickerNames(const TextureStore& textures);

}  // namespace tess
