#pragma once

// Editing the current texture's command list, as the texture editor's buttons do. Every edit
// refuses silently (returns false, nothing changes) at its limits: a group header, a stage outside
// the list, a full list (254 commands) or stages that would not fit the stage area.

#include <string>
#include <vector>

#include "texture/texture_store.hpp"

namespace tess {

// "OK". Outside change mode: the working stage n (already showing op with params) becomes
// command n and stage n + 1 the new working stage. In change mode: stores the changed command,
// re-runs every later command and leaves change mode.
bool commitCommand(TextureStore& store, int op, const OpParams& params);

// "Change": stage s (1..n) becomes the working stage until the next commit.
bool beginChange(TextureStore& store, int stage);

// "Insert": an Empty command at stage s (1..n); later commands move up and their stage
// references follow them. Regenerates.
bool insertCommand(TextureStore& store, int stage);

// "Delete": removes command s (1..n-1); later commands move down and their stage references
// follow them. Regenerates.
bool deleteCommand(TextureStore& store, int stage);

// "Clear All" (after the user confirmed): no commands, stages 0 and 1 cleared.
void clearCommands(TextureStore& store);

// The stage picked at position q of the newest-first stage list (q < 0: nothing selected, the
// top entry is taken).
int stageFromListPosition(int stageCount, int position);

// One stage-list entry: the command number followed directly by the operation's name ("12Twirl").
std::string stageListEntry(int index, int op);

// Every entry of the stage list, newest first.
std::vector<std::string> stageListEntries(const Texture& texture);

}  // namespace tess
