#pragma once

// The object type codes of the scene records with the captions of the "Create object" menu, and
// the clone type whose clones keep their own records.

#include <array>
#include <string_view>

namespace tess {

namespace objtype {
enum : int {
  Sphere = 0,
  Tube,
  Cylinder,
  Tank,
  Flat,
  Landscape,
  LandscapeOnSphere,
  LandscapeOnTube,
  Cube,
  LandscapeOnCubePlus,
  LandscapeOnCubeMinus,
  Postprocessor,
  ZBufferCleaner,
  Torus,
  LandscapeOnTorus,
  Sun,
  Lamp,
  TubeLoft,
  TubeLoft2,
  CopyToTexture,
  RenderScene,
  Fog,
};
}  // namespace objtype

inline constexpr int kObjectTypeCount = 22;
inline constexpr int kCloneTypeGroup = 6;  // clones keep their own records

// Captions of the "Create object" menu entries, by type code.
inline constexpr std::array<std::string_view, kObjectTypeCount> kObjectTypeMenuCaptions = {
    "sphere",
    "tube",
    "cylinder",
    "tank",
    "flat",
    "landscape",
    "landscape on sphere",
    "landscape on tube",
    "cube",
    "landscape on cube+",
    "landscape on tube-",
    "prostprocessor",
    "clear z-buffer",
    "torus",
    "landscape on torus",
    "sun",
    "lamp",
    "tube with loft",
    "tube with loft (2)",
    "copy to texture",
    "render scene",
    "fog"};

}  // namespace tess
