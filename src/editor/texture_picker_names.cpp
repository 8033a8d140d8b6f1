#include "editor/texture_picker_names.hpp"

namespace tess {

std::string pickerEntry(int slot, std::string_view name) {
  return name.empty() ? std::to_string(slot) : std::string(name);
}

std::vector<std::string> texturePickerNames(const TextureStore& textures) {
  std::vector<std::string> names;
  names.reserve(textures.slots.size());
  for (std::size_t slot = 0; slot < textures.slots.size(); ++slot)
    names.push_back(pickerEntry(static_cast<int>(slot), textures.slots[slot].name));
  return names;
}

}  // namespace tess
