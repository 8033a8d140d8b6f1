#pragma once

// One material as a line of text, a line of the pack's material section and the whole of a
// single-material file:
//   diffuse r,g,b, specular r,g,b, ambient r,g,b (each x 64, truncated), power, displaceMap,
//   displaceDepth, stage1Blend, stage1Texture, stage2Blend, stage2Texture, then mname=NAME;
// The name ends at the first ";", so a ";" of the name and what follows it do not come back.

#include <string>
#include <string_view>

#include "core/file_io.hpp"
#include "scene/pack_numbers.hpp"
#include "scene/scene_types.hpp"

namespace tess {

void writeMaterialLine(const Material& material, TextWriter& out);

struct MaterialLineRead {
  Material material;
  std::size_t next = 0;  // start of the next line
};

// Reads the line at text[pos]; fails when "mname=" or the ";" ending the name is missing.
// Colours are the values read divided by 64; the alpha parts and the emissive colour keep their
// initial values.
Status readMaterialLine(std::string_view text, std::size_t pos, MaterialLineRead& read);

}  // namespace tess
