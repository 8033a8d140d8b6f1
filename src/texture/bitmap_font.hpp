#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "core/file_io.hpp"

namespace tess {

// The 1285-byte bitmap font of DrwTxt: a 5-byte WBMP header, then 40 glyphs of 16 x 16 pixels,
// 16 rows of 2 bytes each (first byte = left 8 pixels, most significant bit leftmost, 1 = ink).
// Glyph order: "!", "?", ".", ",", "0".."9", "A".."Z".
struct BitmapFont {
  static constexpr std::size_t kFileBytes = 1285;
  static constexpr std::size_t kHeaderBytes = 5;
  static constexpr int kGlyphCount = 40;
  static constexpr int kGlyphSize = 16;

  std::array<std::uint8_t, kFileBytes> bytes{};
};

// Reads the font file. A missing or short file leaves the font blank and says why.
Status loadBitmapFont(const std::filesystem::path& path, BitmapFont& font);

}  // namespace tess
