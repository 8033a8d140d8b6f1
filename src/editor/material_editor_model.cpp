#include "editor/material_editor_model.hpp"

#include <algorithm>

#include "core/utf8_prefix.hpp"
#include "editor/editor_session.hpp"
#include "scene/pack_numbers.hpp"
#include "texture/texture_types.hpp"

namespace tess {
namespace {

constexpr double kSliderScale = 64.0;
constexpr double kSwatchScale = 256.0;

// For a const or a mutable surface.
template <typename Surface>
auto& colourOf(Surface& surface, LightingColour colour) {
  switch (colour) {
    case LightingColour::Ambient:
      return surface.ambient;
    case LightingColour::Diffuse:
      return surface.diffuse;
    case LightingColour::Specular:
      break;
  }
  return surface.specular;
}

template <typename Colour>
auto& channelOf(Colour& colour, int channel) {
  return channel == 0 ? colour.r : channel == 1 ? colour.g : colour.b;
}

bool isChannel(int channel) {
  return channel >= 0 && channel < 3;
}
bool isStage(int stage) {
  return stage == 1 || stage == 2;
}
bool isSliderValue(int value) {
  return value >= 0 && value <= MaterialEditorModel::kSliderMax;
}
bool isTextureSlot(int slot) {
  return slot >= 0 && slot < kTextureSlotCount;
}

int sliderPosition(double value) {
  return std::clamp(truncateToInt(value), 0, MaterialEditorModel::kSliderMax);
}

std::uint8_t swatchByte(float component) {
  return static_cast<std::uint8_t>(std::clamp(truncateToInt(component * kSwatchScale), 0, 255));
}

// Stores value in field; whether that changed it.
template <typename Field, typename Value>
bool store(Field& field, Value value) {
  const Field stored = static_cast<Field>(value);
  if (field == stored) return false;
  field = stored;
  return true;
}

}  // namespace

const char* lightingColourName(LightingColour colour) {
  switch (colour) {
    case LightingColour::Ambient:
      return "ambient";
    case LightingColour::Diffuse:
      return "diffuse";
    case LightingColour::Specular:
      break;
  }
  return "specular";
}

int MaterialEditorModel::number() const {
  return session_.scenes().currentMaterial;
}

const Material& MaterialEditorModel::material() const {
  return session_.scenes().materials[number()];
}

Material& MaterialEditorModel::current() {
  return session_.scenes().materials[number()];
}

int MaterialEditorModel::colourSlider(LightingColour colour, int channel) const {
  return sliderPosition(channelOf(colourOf(material().surface, colour), channel) * kSliderScale);
}

int MaterialEditorModel::powerSlider() const {
  return sliderPosition(kSliderMax - truncateToInt(material().surface.power));
}

int MaterialEditorModel::depthSlider() const {
  return sliderPosition(material().displaceDepth);
}

ColourBytes MaterialEditorModel::swatch(LightingColour colour) const {
  const ColorValue& value = colourOf(material().surface, colour);
  return {swatchByte(value.r), swatchByte(value.g), swatchByte(value.b)};
}

int MaterialEditorModel::stageBlend(int stage) const {
  return stage == 1 ? material().stage1Blend : material().stage2Blend;
}

int MaterialEditorModel::stageTexture(int stage) const {
  return stage == 1 ? material().stage1Texture : material().stage2Texture;
}

bool MaterialEditorModel::edited(bool changed) {
  if (changed) session_.publish(Change::Materials);
  return changed;
}

bool MaterialEditorModel::setColourSlider(LightingColour colour, int channel, int value) {
  if (!isChannel(channel) || !isSliderValue(value)) return false;
  return edited(
      store(channelOf(colourOf(current().surface, colour), channel), value / kSliderScale));
}

bool MaterialEditorModel::setPowerSlider(int value) {
  if (!isSliderValue(value)) return false;
  return edited(store(current().surface.power, kSliderMax - value));
}

bool MaterialEditorModel::setDepthSlider(int value) {
  if (!isSliderValue(value)) return false;
  return edited(store(current().displaceDepth, value));
}

bool MaterialEditorModel::pickColour(LightingColour colour, ColourBytes picked) {
  ColorValue& value = colourOf(current().surface, colour);
  bool changed = store(value.r, picked.red / kSwatchScale);
  changed |= store(value.g, picked.green / kSwatchScale);
  changed |= store(value.b, picked.blue / kSwatchScale);
  return edited(changed);
}

bool MaterialEditorModel::resetAllParams() {
  Material& material = current();
  bool changed = store(material.displaceMap, 0);
  changed |= store(material.displaceDepth, 0);
  for (LightingColour colour : kLightingColours)
    for (int channel = 0; channel < 3; ++channel)
      changed |= store(channelOf(colourOf(material.surface, colour), channel), 0.0f);
  changed |= store(material.surface.power, 0.0f);
  return edited(changed);
}

bool MaterialEditorModel::step(int delta) {
  SceneStore& scenes = session_.scenes();
  const int target = std::clamp(number() + delta, 0, kMaterialCount - 1);
  Changes changes;
  if (store(scenes.currentMaterial, target)) changes |= Change::CurrentMaterial;
  // A map below 1 becomes 1, the map every fresh material has.
  if (current().displaceMap < 1 && store(current().displaceMap, 1)) changes |= Change::Materials;
  session_.publish(changes);
  return !changes.empty();
}

bool MaterialEditorModel::setName(std::string_view text) {
  return edited(store(current().name, std::string(utf8Prefix(text, kMaterialNameMax))));
}

bool MaterialEditorModel::setStageBlend(int stage, int code) {
  if (!isStage(stage) || code < 0 || code >= static_cast<int>(kStageBlendingNames.size()))
    return false;
  return edited(store(stage == 1 ? current().stage1Blend : current().stage2Blend, code));
}

bool MaterialEditorModel::setStageTexture(int stage, int slot) {
  if (!isStage(stage) || !isTextureSlot(slot)) return false;
  return edited(store(stage == 1 ? current().stage1Texture : current().stage2Texture, slot));
}

bool MaterialEditorModel::setDisplaceMap(int slot) {
  if (!isTextureSlot(slot)) return false;
  return edited(store(current().displaceMap, slot));
}

}  // namespace tess
