#pragma once

// The code tables that give the small integers of the scene records their meaning, with the
// captions the menus and lists show.

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
inline constexpr int kModifierCodeCount = 63;  // codes 0..62
inline constexpr int kCloneTypeGroup = 6;      // clones keep their own records

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

// Names in the objects window's type list, by type code.
inline constexpr std::array<std::string_view, kObjectTypeCount> kObjectTypeNames = {
    "sphere",
    "tube",
    "cylinder",
    "tank",
    "flat",
    "landscape",
    "landscape on sphere",
    "landscape on tube",
    "cube",
    "landscape on cube +",
    "landscape on cube -",
    "postprocessor",
    "zbuf cleaner",
    "torus",
    "landscape on torus",
    "sun",
    "lamp",
    "tube-loft",
    "tube-loft2",
    "copy to texture tex[t]",
    "render scene sc[x] cam[y]",
    "fog mat[m] start[sx] end[sy]"};

inline constexpr std::array<std::string_view, 7> kBlendModeNames = {
    "none", "alpha +", "alpha -", "alpha - (reverse)", "min", "max", "alpha-channel"};

inline constexpr std::array<std::string_view, 6> kNormalModeCaptions = {
    "nrml: -1", "nrml: 0", "nrml: 1", "nrml: -1*", "nrml: 1*", "nrml:unv"};

inline constexpr std::array<std::string_view, 13> kCloneTypeNames = {
    "rotate xz", "rotate xy",    "rotate zy",    "line x", "line y", "line z", "group",
    "zoom xyz",  "ring xy w/rt", "modifer-def.", "flip-x", "flip-y", "flip-z"};

}  // namespace tess
