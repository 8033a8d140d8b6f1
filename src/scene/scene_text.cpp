#include "scene/scene_text.hpp"

#include <algorithm>
#include <array>

#include "core/crt_text.hpp"

namespace tess {

namespace {

constexpr int kListLines = 23;
using LineValues = std::array<int, kListLines>;

// The values an object contributes to the 23 list lines, in line order.
LineValues lineValues(const SceneObject& o) {
  return {o.mosaic1,
          o.mosaic2,
          o.material,
          o.normalMode,
          o.segU,
          o.segV,
          sizeHigh(o.sizeX),
          sizeLow(o.sizeX),
          sizeHigh(o.sizeY),
          sizeLow(o.sizeY),
          sizeHigh(o.sizeZ),
          sizeLow(o.sizeZ),
          o.texture,
          o.type,
          positionHigh(o.posX),
          positionLow(o.posX),
          positionHigh(o.posY),
          positionLow(o.posY),
          positionHigh(o.posZ),
          positionLow(o.posZ),
          o.blend,
          o.controlObject,
          o.controlMode};
}

SceneObject objectFromLines(const LineValues& v) {
  SceneObject o;
  o.mosaic1 = low8(v[0]);
  o.mosaic2 = low8(v[1]);
  o.material = low8(v[2]);
  o.normalMode = low8(v[3]);
  o.segU = low8(v[4]);
  o.segV = low8(v[5]);
  o.sizeX = decodeSize(v[6], v[7]);
  o.sizeY = decodeSize(v[8], v[9]);
  o.sizeZ = decodeSize(v[10], v[11]);
  o.texture = low8(v[12]);
  o.type = low8(v[13]);
  o.posX = decodePosition(v[14], v[15]);
  o.posY = decodePosition(v[16], v[17]);
  o.posZ = decodePosition(v[18], v[19]);
  o.blend = low8(v[20]);
  o.controlObject = low8(v[21]);
  o.controlMode = low8(v[22]);
  return o;
}

}  // namespace

void writeSceneObjectLines(const Scene& scene, TextWriter& out) {
  const int count = scene.objectCount;
  out.number(count);
  out.put('\n');
  std::vector<LineValues> values(count);
  for (int i = 0; i < count; ++i) values[i] = lineValues(scene.objects[i]);
  for (int line = 0; line < kListLines; ++line) {
    for (int i = 0; i < count; ++i) out.number(values[i][line]);
    out.put('\n');
    if (line >= 20)
      out.put('\n');  // blend, controlObject and controlMode each end with an empty line
  }
}

void writeModifierLines(const Scene& scene, TextWriter& out) {
  for (int i = 0; i < scene.objectCount; ++i) {
    const ModifierList& list = scene.modifiers[i];
    out.number(list.count);
    for (int k = 0; k < list.count && k < kModifierCapacity; ++k) {
      const Modifier& m = list.entries[k];
      for (int value : {m.p1, m.p2, m.p3, m.p4, m.p5}) out.number(value);
      out.number(m.code);
    }
    out.put('\n');
  }
}

void writeCloneValues(const Scene& scene, bool withCoeff2, TextWriter& out) {
  for (int i = 0; i < scene.objectCount; ++i) {
    const CloneSettings& c = scene.clones[i];
    out.number(c.cloneCount);
    out.number(c.cloneType);
    out.number(c.cloneCoeff1);
    if (withCoeff2) out.number(c.cloneCoeff2);
  }
  out.put('\n');
}

Status readSceneObjectLines(NumberCursor& cursor, SceneRead& read) {
  const int count = cursor.next();
  if (count < 0 || count > kMaxObjects)
    return Status::failure("object count " + itoa10(count) + " is outside 0.." +
                           itoa10(kMaxObjects));
  std::vector<LineValues> values(count);
  for (int line = 0; line < kListLines; ++line)
    for (int i = 0; i < count; ++i) values[i][line] = cursor.next();
  read.objects.resize(count);
  for (int i = 0; i < count; ++i) read.objects[i] = objectFromLines(values[i]);
  return Status::success();
}

Status readModifierLines(NumberCursor& cursor, SceneRead& read) {
  read.modifiers.assign(read.objects.size(), ModifierList{});
  for (std::size_t i = 0; i < read.objects.size(); ++i) {
    const int count = cursor.next();
    if (count < 0 || count > kModifierCapacity)
      return Status::failure("object " + itoa10(static_cast<int>(i)) + ": modifier count " +
                             itoa10(count) + " is outside 0.." + itoa10(kModifierCapacity));
    ModifierList& list = read.modifiers[i];
    list.count = static_cast<std::uint8_t>(count);
    for (int k = 0; k < count; ++k) {
      Modifier& m = list.entries[k];
      m.p1 = low16(cursor.next());
      m.p2 = low16(cursor.next());
      m.p3 = low16(cursor.next());
      m.p4 = low16(cursor.next());
      m.p5 = low16(cursor.next());
      m.code = low8(cursor.next());
    }
  }
  return Status::success();
}

void readCloneValues(NumberCursor& cursor, bool withCoeff2, SceneRead& read) {
  read.clones.assign(read.objects.size(), CloneSettings{});
  for (CloneSettings& c : read.clones) {
    c.cloneCount = low8(cursor.next());
    c.cloneType = low8(cursor.next());
    c.cloneCoeff1 = low16(cursor.next());
    if (withCoeff2) c.cloneCoeff2 = low16(cursor.next());
  }
}

std::optional<NumberCursor> findCloneValues(std::string_view text, std::size_t pos) {
  const std::size_t key = findFrom(text, kClonesKey, pos);
  if (key == kNotFound) return std::nullopt;
  return NumberCursor(text, key + kClonesKey.size() + 1);
}

void applySceneRead(const SceneRead& read, bool withCoeff2, Scene& scene) {
  const int count = static_cast<int>(read.objects.size());
  scene.objectCount = static_cast<std::uint8_t>(count);
  for (int i = 0; i < count; ++i) {
    scene.objects[i] = read.objects[i];
    const ModifierList& list = read.modifiers[i];
    scene.modifiers[i].count = list.count;
    std::copy_n(list.entries.begin(), list.count, scene.modifiers[i].entries.begin());
  }
  for (int i = 0; i < count && i < static_cast<int>(read.clones.size()); ++i) {
    CloneSettings& target = scene.clones[i];
    const std::int16_t keptCoeff2 = target.cloneCoeff2;
    target = read.clones[i];
    if (!withCoeff2) target.cloneCoeff2 = keptCoeff2;
  }
}

}  // namespace tess
