#include "texture/stage_area.hpp"

#include <cstring>

namespace tess {

void copyStage(std::uint8_t* destination, const std::uint8_t* source, int size) {
  std::memcpy(destination, source, StageArea::stageBytes(size));
}

}  // namespace tess
