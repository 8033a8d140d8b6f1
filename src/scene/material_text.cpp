#include "scene/material_text.hpp"

#include <algorithm>

#include "core/crt_text.hpp"
#include "scene/pack_numbers.hpp"

namespace tess {

namespace {

constexpr std::string_view kNameKey = "mname=";

void appendColor(const ColorValue& color, TextWriter& out) {
  for (float part : {color.r, color.g, color.b}) out.number(truncateToInt(part * 64.0));
}

void readColor(NumberCursor& cursor, ColorValue& color) {
  for (float* part : {&color.r, &color.g, &color.b})
    *part = static_cast<float>(cursor.next()) / 64.0f;
}

}  // namespace

void writeMaterialLine(const Material& material, TextWriter& out) {
  const SurfaceMaterial& surface = material.surface;
  appendColor(surface.diffuse, out);
  appendColor(surface.specular, out);
  appendColor(surface.ambient, out);
  out.number(truncateToInt(surface.power));
  out.number(material.displaceMap);
  out.number(material.displaceDepth);
  out.number(material.stage1Blend);
  out.number(material.stage1Texture);
  out.number(material.stage2Blend);
  out.number(material.stage2Texture);
  out.text(kNameKey);
  out.text(material.name);
  out.text(";\n");
}

Status readMaterialLine(std::string_view text, std::size_t pos, MaterialLineRead& read) {
  Material& material = read.material;
  NumberCursor cursor(text, pos);
  readColor(cursor, material.surface.diffuse);
  readColor(cursor, material.surface.specular);
  readColor(cursor, material.surface.ambient);
  material.surface.power = static_cast<float>(cursor.next());
  material.displaceMap = cursor.next();
  material.displaceDepth = cursor.next();
  material.stage1Blend = low8(cursor.next());
  material.stage1Texture = low8(cursor.next());
  material.stage2Blend = low8(cursor.next());
  material.stage2Texture = low8(cursor.next());

  const std::size_t key = findFrom(text, kNameKey, cursor.position());
  if (key == kNotFound) return Status::failure("no \"mname=\" entry");
  const std::size_t nameStart = key + kNameKey.size();
  const std::size_t nameEnd = findFrom(text, ";", nameStart);
  if (nameEnd == kNotFound) return Status::failure("the material name has no closing \";\"");
  material.name =
      std::string(text.substr(nameStart, std::min(nameEnd - nameStart, kMaterialNameMax)));
  const std::size_t lineEnd = findFrom(text, "\n", nameEnd);
  read.next = lineEnd == kNotFound ? text.size() : lineEnd + 1;
  return Status::success();
}

}  // namespace tess
