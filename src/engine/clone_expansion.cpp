#include "engine/clone_expansion.hpp"

#include <algorithm>
#include <cmath>

#include "engine/trig.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {

namespace {

enum CloneType : int {
  kRotateXZ = 0, kRotateXY, kRotateZY, kLineX, kLineY, kLineZ, kGroup, kZoom, kRing,
  kModifierRepeat, kFlipX, kFlipY, kFlipZ,
};

// Truncates toward zero into 16 bits.
std::int16_t trunc16(double value) {
  return static_cast<std::int16_t>(static_cast<std::int32_t>(value));
}

// Types whose clones receive one appended entry at index c.
bool appendsEntry(int type) {
  return type <= kRotateZY || (type >= kFlipX && type <= kFlipZ);
}

void setAppendedEntry(ModifierList& list, int c, int code, int p5, bool setP5) {
  if (c >= kModifierCapacity) return;
  list.entries[c].code = static_cast<std::uint8_t>(code);
  if (setP5) list.entries[c].p5 = static_cast<std::int16_t>(p5);
}

std::uint8_t swappedNormalMode(std::uint8_t mode) {
  switch (mode) {
    case 0: return 2;
    case 2: return 0;
    case 3: return 4;
    case 4: return 3;
    default: return mode;
  }
}

// Appends k copies of the source's last D entries after entry c - 1.
void repeatLastEntries(Scene& scene, int source, int j, int k, int D) {
  const ModifierList& from = scene.modifiers[source];
  ModifierList& to = scene.modifiers[j];
  const int c = std::min<int>(from.count, kModifierCapacity);
  const int tail = std::clamp(D, 0, c);
  int at = c;
  for (int copy = 0; copy < k; ++copy)
    for (int e = c - tail; e < c && at < kModifierCapacity; ++e) to.entries[at++] = from.entries[e];
  const int count = D + scene.modifiers[j - 1].count;
  to.count = static_cast<std::uint8_t>(std::clamp(count, 0, kModifierCapacity));
}

void placeClone(Scene& scene, int i, int k, int n) {
  const int j = i + k;
  const SceneObject& source = scene.objects[i];
  SceneObject& clone = scene.objects[j];
  ModifierList& list = scene.modifiers[j];
  const CloneSettings& settings = scene.clones[i];
  const int type = settings.cloneType;
  const double D = settings.cloneCoeff1;
  const double x0 = source.posX, y0 = source.posY, z0 = source.posZ;
  const int c = scene.modifiers[i].count;
  const double a = radians(double(360 * k / (n + 1)));
  switch (type) {
    case kRotateXZ:
      clone.posX = trunc16((x0 + D) - D * std::cos(a));
      clone.posZ = trunc16(z0 - D * std::sin(a));
      setAppendedEntry(list, c, modcode::GlobalRotateY, (-256 * k) / (n + 1), true);
      break;
    case kRotateXY:
      clone.posX = trunc16((x0 + D) - D * std::cos(a));
      clone.posY = trunc16(y0 - D * std::sin(a));
      setAppendedEntry(list, c, modcode::GlobalRotateZ, (256 * k) / (n + 1), true);
      break;
    case kRotateZY:
      clone.posZ = trunc16((z0 + D) - D * std::cos(a));
      clone.posY = trunc16(y0 - D * std::sin(a));
      setAppendedEntry(list, c, modcode::GlobalRotateX, (256 * k) / (n + 1), true);
      break;
    case kLineX: clone.posX = trunc16(x0 + k * D); break;
    case kLineY: clone.posY = trunc16(y0 + k * D); break;
    case kLineZ: clone.posZ = trunc16(z0 + k * D); break;
    case kZoom: {
      const SceneObject& before = scene.objects[j - 1];
      const int d = settings.cloneCoeff1;
      clone.sizeX = static_cast<std::int16_t>(before.sizeX * d / 256);
      clone.sizeY = static_cast<std::int16_t>(before.sizeY * d / 256);
      clone.sizeZ = static_cast<std::int16_t>(before.sizeZ * d / 256);
      break;
    }
    case kRing: {
      const double ring = radians(double(360 * k / n));
      clone.posX = trunc16(x0 - D * std::cos(ring));
      clone.posY = trunc16(y0 - D * std::sin(ring));
      break;
    }
    case kModifierRepeat: repeatLastEntries(scene, i, j, k, settings.cloneCoeff1); break;
    case kFlipX: case kFlipY: case kFlipZ:
      setAppendedEntry(list, c, modcode::GlobalFlipX + (type - kFlipX), 0, false);
      clone.normalMode = swappedNormalMode(clone.normalMode);
      break;
    default: break;  // group: the slots keep their records
  }
}

}  // namespace

void ExpandClones(Scene& scene) {
  for (int i = 0; i < scene.objectCount && i < kMaxObjects; ++i) {
    const CloneSettings& settings = scene.clones[i];
    const int type = settings.cloneType;
    if (settings.cloneCount == 0) continue;
    const int n = std::min<int>(settings.cloneCount, kMaxObjects - 1 - i);
    const ModifierList& from = scene.modifiers[i];
    const int c = std::min<int>(from.count, kModifierCapacity);
    const int least = std::min(appendsEntry(type) ? c + 1 : c, kModifierCapacity);
    for (int j = i + 1; j <= i + n; ++j) {
      if (type != kCloneTypeGroup) scene.objects[j] = scene.objects[i];
      ModifierList& to = scene.modifiers[j];
      std::copy_n(from.entries.begin(), c, to.entries.begin());
      if (type >= kLineX && type <= kModifierRepeat)
        to.count = std::max<std::uint8_t>(to.count, static_cast<std::uint8_t>(c));
      else if (appendsEntry(type))
        to.count = std::max<std::uint8_t>(to.count, static_cast<std::uint8_t>(least));
    }
    for (int k = 1; k <= n; ++k) placeClone(scene, i, k, settings.cloneCount);
  }
}

RenderSceneList CollectRenderScenes(const Scene& scene) {
  RenderSceneList list;
  for (int i = 0; i < kMaxObjects; ++i) {
    const SceneObject& o = scene.objects[i];
    if (o.type != objtype::RenderScene || o.posX < 0 || o.posX >= kSceneCapacity) continue;
    RenderSceneEntry& entry = list.entries[list.count++];
    entry.scene = static_cast<std::uint8_t>(o.posX);
    entry.camera = o.posY >= 0 && o.posY <= 255 ? static_cast<std::uint8_t>(o.posY) : kLiveCameraSlot;
  }
  return list;
}

}  // namespace tess
