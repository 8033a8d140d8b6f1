#pragma once

#include <cstdint>
#include <filesystem>

#include "core/file_io.hpp"

namespace tess::cli {

// Writes a square stage image (bytes blue, green, red, alpha; row 0 first) as an RGB PNG with
// row 0 at the bottom of the picture, as the texture view shows it. Alpha is left out: most
// textures never write it, and a picture of it would look empty.
Status writeStagePng(const std::filesystem::path& path, const std::uint8_t* stage, int size);

// Writes a width x height picture (blue, green, red, alpha; row 0 the top) as an RGB PNG.
Status writePicturePng(const std::filesystem::path& path, const std::uint8_t* pixels, int width,
                       int height);

}  // namespace tess::cli
