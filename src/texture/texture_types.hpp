#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tess {

inline constexpr int kTextureSlotCount = 255;   // slots 0..254
inline constexpr int kCommandRecords = 255;     // index 0 unused, commands 1..254
inline constexpr int kMaxStageCount = 255;      // stage count includes stage 0
inline constexpr int kParamCount = 7;
inline constexpr std::size_t kTextureNameMax = 99;
inline constexpr std::size_t kCommandTextMax = 31;

// Edge lengths in the order of the editor's "Size" box.
inline constexpr std::array<int, 6> kTextureSizes = {32, 64, 128, 256, 512, 1024};

constexpr bool isTextureSize(int size) {
  for (int allowed : kTextureSizes)
    if (size == allowed) return true;
  return false;
}

using OpParams = std::array<int, kParamCount>;

struct TextureCommand {
  std::int32_t op = 0;
  OpParams params{};
  std::string text;  // DrwTxt only, at most kCommandTextMax characters
};

enum TextureType : std::int32_t { kTextureNormal = 0, kTextureRenderTarget = 1 };

struct Texture {
  std::string name;  // at most kTextureNameMax characters
  std::int32_t type = kTextureNormal;
  std::int32_t size = 32;
  std::int32_t stageCount = 1;  // 1 = no commands; command k produces stage k
  std::array<TextureCommand, kCommandRecords> commands{};
};

using TextureSlots = std::array<Texture, kTextureSlotCount>;

}  // namespace tess
