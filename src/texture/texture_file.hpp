#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.hpp"
#include "texture/texture_store.hpp"

namespace tess {

// "Load texture": reads a texture file into the current slot and regenerates it. A file that does
// not read leaves the slot as it was; command lines that name no operation are listed in
// unknownLines (they load as Empty stages).
Status loadTextureFile(TextureStore& store, const std::filesystem::path& path,
                       std::vector<std::string>& unknownLines);
// "Save texture": the current slot's texture text, written atomically.
Status saveTextureFile(const TextureStore& store, const std::filesystem::path& path);

}  // namespace tess
