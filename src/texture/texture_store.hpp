#pragma once

#include <cstdint>
#include <vector>

#include "texture/bitmap_font.hpp"
#include "texture/operation_table.hpp"
#include "texture/scene_renderer.hpp"
#include "texture/stage_area.hpp"
#include "texture/texture_types.hpp"

namespace tess {

// The texture generator's state: the 255 slots, the current texture with its stage images, the
// operation table the editor edits, the scratch area and the font. Large (about 120 MB of lazily
// zeroed work areas): create one per application, on the heap.
struct TextureStore {
  std::vector<Texture> slots = std::vector<Texture>(kTextureSlotCount);
  int current = 0;

  // With stage count n, stages 0..n-1 hold finished results and the working stage (normally n)
  // receives the operation being edited. In change mode the working stage is the stage being
  // changed and changeEnd is the stage count at which change mode began.
  int workingStage = 1;
  int displayedStage = 1;
  bool changeMode = false;
  int changeEnd = 0;
  // The editor's choice: the operation row selected in its list and the positions of its seven
  // sliders, which a preview runs on the working stage and a commit stores.
  int selectedOperation = 0;
  OpParams sliders{};

  OperationTable operations = pristineOperationTable();
  StageArea stages;
  ScratchArea scratch;
  BitmapFont font;
  // The renderer that RenderScene draws with; none attached leaves its stage as it was.
  SceneRenderer* sceneRenderer = nullptr;

  Texture& currentTexture() { return slots[current]; }
  const Texture& currentTexture() const { return slots[current]; }
  int size() const { return currentTexture().size; }
  std::uint8_t* stage(int k) { return stages.stage(k, size()); }
  const std::uint8_t* stage(int k) const { return stages.stage(k, size()); }
};

}  // namespace tess
