#pragma once

// The codes of the scene records: object types with the captions of the "Create object" menu and
// the names the objects window lists, blend modes, normal modes and clone types.

#include <array>
#include <cstdint>
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
inline constexpr int kBlendModeCount = 7;
inline constexpr int kNormalModeCount = 6;
inline constexpr int kCloneTypeCount = 13;

// "normal": the next normal mode, from the last back to 0.
inline constexpr std::uint8_t nextNormalMode(std::uint8_t mode) {
  return mode >= kNormalModeCount - 1 ? 0 : static_cast<std::uint8_t>(mode + 1);
}
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

// Names of the objects window's type list and object list, by type code. The special types name
// what their generic fields hold.
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

// The "blend:" list, by blend code.
inline constexpr std::array<std::string_view, kBlendModeCount> kBlendModeNames = {
    "none", "alpha +", "alpha -", "alpha - (reverse)", "min", "max", "alpha-channel"};

// Captions of the "normal" button, by normal mode.
inline constexpr std::array<std::string_view, kNormalModeCount> kNormalModeCaptions = {
    "nrml: -1", "nrml: 0", "nrml: 1", "nrml: -1*", "nrml: 1*", "nrml:unv"};

// The clones "type" list, by clone type code.
inline constexpr std::array<std::string_view, kCloneTypeCount> kCloneTypeNames = {
    "rotate xz",  "rotate xy",    "rotate zy", "line x", "line y",
    "line z",     "group",        "zoom xyz",  "ring xy w/rt",
    "modifer-def.", "flip-x",     "flip-y",    "flip-z"};

}  // namespace tess
