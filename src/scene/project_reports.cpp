#include "scene/project_reports.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "scene/modifier_codes.hpp"
#include "scene/pack_numbers.hpp"
#include "scene/scene_codes.hpp"
#include "texture/operation_table.hpp"

namespace tess {

namespace {

// Calls visit(scene, object index) for every object in use.
template <class Visit>
void forEachObject(const SceneStore& store, Visit visit) {
  for (int s = 0; s < store.sceneCount; ++s)
    for (int i = 0; i < store.scenes[s].objectCount; ++i) visit(store.scenes[s], i);
}

template <std::size_t N>
void appendUnused(TextWriter& out, std::string_view caption, const std::array<bool, N>& used) {
  out.text(caption);
  for (std::size_t code = 0; code < N; ++code)
    if (!used[code]) out.number(static_cast<int>(code));
}

void appendTexture(const Texture& texture, TextWriter& out) {
  const OperationTable& table = pristineOperationTable();
  out.number(texture.stageCount);
  out.number(texture.type);
  out.number(texture.size / 32);
  for (int k = 1; k < std::min(texture.stageCount, kCommandRecords); ++k) {
    const TextureCommand& command = texture.commands[k];
    out.number(command.op);
    const int count =
        command.op >= 0 && command.op <= kOperationRowCount ? table[command.op].count : 0;
    for (int j = 0; j < count; ++j) out.number(command.params[j]);
    if (command.op == texop::DrwTxt) {
      // As the terminated 32-byte text field holds it.
      const std::string_view text(command.text.c_str(),
                                  std::min(std::strlen(command.text.c_str()), kCommandTextMax));
      for (char c : text) out.number(static_cast<signed char>(c));
      out.number(0);
    }
  }
}

}  // namespace

int highestReferencedTexture(const SceneStore& store) {
  int texture = 0, material = 0;
  forEachObject(store, [&](const Scene& scene, int i) {
    texture = std::max<int>(texture, scene.objects[i].texture);
    material = std::max<int>(material, scene.objects[i].material);
  });
  // An object's material field can name 255, one past the last slot.
  for (int m = 0; m <= std::min(material, kMaterialCount - 1); ++m) {
    const Material& mat = store.materials[m];
    texture = std::max({texture, int{mat.stage1Texture}, int{mat.stage2Texture}, mat.displaceMap});
  }
  return std::min(texture, kTextureSlotCount - 1);
}

std::string texturesPackText(const SceneStore& store, const std::vector<Texture>& slots) {
  const int highest = highestReferencedTexture(store);
  return writtenText([&](TextWriter& out) {
    for (int t = 0; t <= highest; ++t) appendTexture(slots[t], out);
  });
}

std::string statisticText(const SceneStore& store, const std::vector<Texture>& slots) {
  std::array<bool, kOperationRowCount> operations{};
  for (const Texture& texture : slots)
    for (int k = 0; k < std::min(texture.stageCount, kCommandRecords); ++k) {
      const int op = texture.commands[k].op;
      if (op >= 0 && op < kOperationRowCount) operations[op] = true;
    }
  std::array<bool, kObjectTypeCount> types{};
  std::array<bool, kModifierCodeCount> modifiers{};
  forEachObject(store, [&](const Scene& scene, int i) {
    if (scene.objects[i].type < kObjectTypeCount) types[scene.objects[i].type] = true;
    const ModifierList& list = scene.modifiers[i];
    for (int k = 0; k < std::min<int>(list.count, kModifierCapacity); ++k)
      if (list.entries[k].code < kModifierCodeCount) modifiers[list.entries[k].code] = true;
  });
  return writtenText([&](TextWriter& out) {
    appendUnused(out, "unused texture commands:", operations);
    appendUnused(out, "unused objects:", types);
    appendUnused(out, "unused modifers:", modifiers);
  });
}

}  // namespace tess
