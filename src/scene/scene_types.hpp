#pragma once

// The records of the scene tables. Field order, widths and defaults are those the files and the
// renderer rely on; sizes and positions are in 1/64 scene units.

#include <array>
#include <cstdint>
#include <string>

namespace tess {

inline constexpr int kSceneCapacity = 64;
inline constexpr int kObjectSlots = 256;  // per scene; at most kMaxObjects in use
inline constexpr int kMaxObjects = 255;   // object indices are 8-bit: 0..254
inline constexpr int kModifierCapacity = 64;
inline constexpr int kMaterialCount = 255;
inline constexpr int kCameraSlots = 255;
inline constexpr std::size_t kMaterialNameMax = 99;

struct SceneObject {
  std::int16_t posX = 0;
  std::int16_t posY = 0;
  std::int16_t posZ = 0;
  std::int16_t sizeX = 64;
  std::int16_t sizeY = 64;
  std::int16_t sizeZ = 64;
  std::uint8_t type = 0;
  std::uint8_t segU = 32;
  std::uint8_t segV = 32;
  std::uint8_t mosaic1 = 1;
  std::uint8_t mosaic2 = 1;
  std::uint8_t material = 0;
  std::uint8_t texture = 0;
  std::uint8_t blend = 0;
  std::uint8_t normalMode = 0;
  std::uint8_t controlObject = 0;  // meaningful only while controlMode is not 0
  std::uint8_t controlMode = 0;    // 0 none, 1 locCS, 2 glCS

  bool operator==(const SceneObject&) const = default;
};

struct Modifier {
  std::int16_t p1 = 0;
  std::int16_t p2 = 0;
  std::int16_t p3 = 0;
  std::int16_t p4 = 0;  // the second scalar parameter
  std::int16_t p5 = 0;  // the first scalar parameter
  std::uint8_t code = 0;

  bool operator==(const Modifier&) const = default;
};

// Entries 0..count-1 are in use; the others keep whatever they last held.
struct ModifierList {
  std::uint8_t count = 0;
  std::array<Modifier, kModifierCapacity> entries{};
};

struct CloneSettings {
  std::uint8_t cloneType = 0;
  std::uint8_t cloneCount = 0;  // 0: the object is not cloned
  std::int16_t cloneCoeff1 = 0;
  std::int16_t cloneCoeff2 = 0;

  bool operator==(const CloneSettings&) const = default;
};

struct ColorValue {
  float r = 0, g = 0, b = 0, a = 0;

  bool operator==(const ColorValue&) const = default;
};

// The lighting material handed to the device, in the device's field order.
struct SurfaceMaterial {
  ColorValue diffuse, ambient, specular, emissive;
  float power = 255.0f;

  bool operator==(const SurfaceMaterial&) const = default;
};

struct Material {
  SurfaceMaterial surface;
  std::uint8_t stage1Texture = 0;
  std::uint8_t stage1Blend = 0;
  std::uint8_t stage2Texture = 0;
  std::uint8_t stage2Blend = 0;
  std::int32_t displaceMap = 1;  // texture index of the vertex-displace map
  std::int32_t displaceDepth = 0;
  std::string name;  // at most kMaterialNameMax characters; empty shows the slot number

  bool operator==(const Material&) const = default;
};

// Target and eye in position units, roll in radians, zoom as a factor. The defaults are the
// camera the renderer starts with.
struct Camera {
  double targetX = 0, targetY = 0, targetZ = 0;
  double eyeX = 0, eyeY = 0, eyeZ = 100;
  double roll = 0;
  double zoom = 1;

  bool operator==(const Camera&) const = default;
};

// One scene: the s-th row of every per-scene table. Clones occupy the slots right after their
// cloning object, so order matters.
struct Scene {
  std::uint8_t objectCount = 0;
  std::uint8_t currentObject = 0;
  std::array<SceneObject, kObjectSlots> objects{};
  std::array<ModifierList, kObjectSlots> modifiers{};
  std::array<CloneSettings, kObjectSlots> clones{};
};

}  // namespace tess
