#pragma once

// The complex pack (.tsc): a whole project in one file.
//
//   fontname:[micra.wbmp]
//   section:geometry_        the geometry block (geometry_text.hpp)
//   section:materials_       255 material lines (material_text.hpp)
//   section:rendersettings_
//   camera_                  254 lines: zoom x 64, target x y z, eye x y z, roll x 100
//   section:texturedata_     254 texture entries (texture_text.hpp)
//   track_                   1000 tracker events of 5 bytes, 35,000 zero bytes, then the
//                            100-byte sound text, zero-terminated and padded
//
// Sections are found by searching for their keys; numbers read as atoi does.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.hpp"
#include "scene/geometry_text.hpp"
#include "scene/scene_store.hpp"
#include "scene/tracker_table.hpp"
#include "texture/texture_types.hpp"

namespace tess {

inline constexpr int kPackCameraSlots = 254;  // camera slot 254 is not stored
inline constexpr std::size_t kFontNameMax = 99;
inline constexpr std::size_t kTrackerBlockBytes = 40'000;  // events, then bytes that carry nothing
inline constexpr std::size_t kSoundFieldBytes = 100;

// Everything a pack holds, read aside so that a failed read changes nothing.
struct PackContents {
  std::string fontName;
  GeometryRead geometry;
  std::vector<Material> materials;        // all 255
  std::vector<Camera> cameras;            // slots 0..253
  std::vector<Texture> textures;          // slots 0..253
  std::optional<TrackerTable> tracker;    // absent when the pack has no "track_" block
  std::vector<std::string> unknownLines;  // texture command lines that name no operation
};

// The pack text of the stores as they are (the caller runs the pre-save pass first).
std::string packText(const SceneStore& scenes, const std::vector<Texture>& textures,
                     const TrackerTable& tracker);

// Fails with a message naming the problem on a missing key, a count beyond its table, a texture
// entry the texture reader refuses, or a tracker block cut short.
Status readPackText(std::string_view text, PackContents& contents);

}  // namespace tess
