#pragma once

// One scene's objects as text, shared by the pack's geometry block and the scene-layer file:
//   the object count, then 23 list lines (one field of every object per line),
//   one line of modifiers per object (count, then p1, p2, p3, p4, p5, code of each),
//   the clone settings of every object on one line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.hpp"
#include "scene/pack_numbers.hpp"
#include "scene/scene_types.hpp"

namespace tess {

// A scene as read, before it replaces anything: objects 0..count-1, their modifier lists (count
// and the entries in use) and, when the text has them, their clone settings.
struct SceneRead {
  std::vector<SceneObject> objects;
  std::vector<ModifierList> modifiers;
  std::vector<CloneSettings> clones;
};

// The count line and the 23 list lines, with the extra line feeds after the last three.
void writeSceneObjectLines(const Scene& scene, TextWriter& out);
void writeModifierLines(const Scene& scene, TextWriter& out);
// The clone values of every object (cloneCount, cloneType, cloneCoeff1 and, in the pack,
// cloneCoeff2), then one line feed.
void writeCloneValues(const Scene& scene, bool withCoeff2, TextWriter& out);

// Fail on an object count outside 0..255 or a modifier count outside 0..64.
Status readSceneObjectLines(NumberCursor& cursor, SceneRead& read);
Status readModifierLines(NumberCursor& cursor, SceneRead& read);
void readCloneValues(NumberCursor& cursor, bool withCoeff2, SceneRead& read);

// The clone values follow the word "clones" and its line feed; searched from pos. None when
// the text has no clone settings.
inline constexpr std::string_view kClonesKey = "clones";
std::optional<NumberCursor> findCloneValues(std::string_view text, std::size_t pos);

// Replaces the scene's object count, objects and modifier lists in use and, when read, the clone
// settings (cloneCoeff2 only withCoeff2). Slots beyond the count and unused list entries keep
// their contents.
void applySceneRead(const SceneRead& read, bool withCoeff2, Scene& scene);

}  // namespace tess
