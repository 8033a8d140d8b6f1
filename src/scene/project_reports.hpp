#pragma once

// Texts made from the whole project: the textures-pack export and the "Statistic" report.

#include <string>
#include <vector>

#include "scene/scene_store.hpp"
#include "texture/texture_types.hpp"

namespace tess {

// The highest texture slot the project references: the textures of all objects and the stage and
// displace-map textures of the materials up to the highest one an object uses. Limited to 254.
int highestReferencedTexture(const SceneStore& store);

// One line of numbers, each followed by ",": for every texture 0..highest referenced (that one
// included), its stage count, type and size / 32, then per command its operation code and
// parameters; a DrwTxt command adds its text as signed character codes up to and including the
// terminating zero.
std::string texturesPackText(const SceneStore& store, const std::vector<Texture>& slots);

// "unused texture commands:" with every operation code no command of any slot carries, then
// "unused objects:" with every unused object type and "unused modifers:" with every unused
// modifier code, each code followed by ",". No line breaks.
std::string statisticText(const SceneStore& store, const std::vector<Texture>& slots);

}  // namespace tess
