#pragma once

#include "texture/texture_store.hpp"

namespace tess {

// Runs operation row op on the working stage of the current texture. Parameters are first
// clamped to 0..255 as the editor's sliders hold them, and the stage references of Mixer and
// Map2dPShift are clamped to 1..working stage - 1; the clamped values are written back into
// params so that a later commit stores them. Group headers, "end" and codes outside the table run
// nothing.
void runTextureOp(TextureStore& store, int op, OpParams& params);

// Rebuilds every stage image of the current texture from its command list: stages 0 and 1
// cleared, then command i run on stage i and its result copied to stage i + 1.
void regenerateTexture(TextureStore& store);

// Runs the stored commands first..end-1 of the current texture, each on its own stage, each
// result becoming the start of the next stage (as regeneration does from command 1).
void runStoredCommands(TextureStore& store, int first, int end);

// Makes slot t current and regenerates it; the displayed stage becomes the stage count.
// Slots outside 0..254 are refused.
void selectTexture(TextureStore& store, int slot);

// Changes the current texture's edge length and regenerates. Refused (false, nothing changed)
// for a size that is not one of the six or at which the stages would not fit the stage area.
bool setTextureSize(TextureStore& store, int size);

// Whether a texture of this size can hold stageCount stages plus its working stage.
bool stagesFit(int stageCount, int size);

}  // namespace tess
