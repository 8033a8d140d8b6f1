#include "scene/complex_pack_text.hpp"

#include <algorithm>

#include "core/crt_text.hpp"
#include "scene/material_text.hpp"
#include "scene/pack_numbers.hpp"
#include "texture/texture_text.hpp"

namespace tess {

namespace {

constexpr std::string_view kFontKey = "fontname:";
constexpr std::string_view kGeometryKey = "section:geometry";
constexpr std::string_view kMaterialsKey = "section:materials";
constexpr std::string_view kRenderSettingsKey = "section:rendersettings";
constexpr std::string_view kTextureKey = "section:texturedata";
constexpr std::string_view kCameraKey = "camera_";
constexpr std::string_view kTrackerKey = "track_";
constexpr std::size_t kEventBytes = 5;

// Where a section's data starts: two characters past the first "_" after its key (the "_" and
// the line feed), or kNotFound when the key is missing.
std::size_t sectionData(std::string_view text, std::string_view key, std::size_t from) {
  const std::size_t found = findFrom(text, key, from);
  if (found == kNotFound) return kNotFound;
  const std::size_t underscore = findFrom(text, "_", found);
  return underscore == kNotFound ? text.size() : std::min(underscore + 2, text.size());
}

Status missing(std::string_view key) {
  return Status::failure("no \"" + std::string(key) + "\" section");
}

void writeCameraLine(const Camera& c, TextWriter& out) {
  out.number(truncateToInt(c.zoom * 64));
  for (double coordinate : {c.targetX, c.targetY, c.targetZ, c.eyeX, c.eyeY, c.eyeZ})
    out.number(truncateToInt(coordinate));
  // Rounded, not truncated: roll is read back as value x 0.01, and truncating that again on the
  // next save would let a camera drift by 0.01 per save.
  out.number(roundToInt(c.roll * 100));
  out.put('\n');
}

Camera readCameraLine(NumberCursor& cursor) {
  Camera c;
  c.zoom = cursor.next() / 64.0;
  for (double* coordinate : {&c.targetX, &c.targetY, &c.targetZ, &c.eyeX, &c.eyeY, &c.eyeZ})
    *coordinate = cursor.next();
  c.roll = cursor.next() * 0.01;
  return c;
}

void writeTrackerBlock(const TrackerTable& tracker, std::string& out) {
  out += kTrackerKey;
  for (const TrackerEvent& e : tracker.events)
    for (std::uint8_t byte : {e.command, e.p1, e.p2, e.p3, e.p4}) out += static_cast<char>(byte);
  out.append(kTrackerBlockBytes - kTrackerRows * kEventBytes, '\0');
  std::string sound = tracker.sound.substr(0, kSoundTextMax);
  sound.resize(kSoundFieldBytes, '\0');
  out += sound;
}

Status readTrackerBlock(std::string_view text, std::size_t key, TrackerTable& tracker) {
  const std::size_t events = key + kTrackerKey.size();
  if (text.size() - events < kTrackerBlockBytes + kSoundFieldBytes)
    return Status::failure("the tracker block is cut short");
  for (int row = 0; row < kTrackerRows; ++row) {
    const auto byte = [&](int k) {
      return static_cast<std::uint8_t>(text[events + row * kEventBytes + k]);
    };
    tracker.events[row] = {byte(0), byte(1), byte(2), byte(3), byte(4)};
  }
  std::string_view sound = text.substr(events + kTrackerBlockBytes, kSoundTextMax);
  tracker.sound = std::string(sound.substr(0, sound.find('\0')));
  return Status::success();
}

Status readFontName(std::string_view text, PackContents& contents, std::size_t& next) {
  const std::size_t key = findFrom(text, kFontKey, 0);
  if (key == kNotFound) return Status::failure("no \"fontname:\" line");
  const std::size_t start = std::min(key + kFontKey.size() + 1, text.size());
  const std::size_t end = findFrom(text, "]", start);
  if (end == kNotFound) return Status::failure("the font name has no closing \"]\"");
  contents.fontName = std::string(text.substr(start, std::min(end - start, kFontNameMax)));
  next = end;
  return Status::success();
}

Status readMaterials(std::string_view text, std::size_t& pos, PackContents& contents) {
  contents.materials.assign(kMaterialCount, Material{});
  for (int m = 0; m < kMaterialCount; ++m) {
    MaterialLineRead read;
    Status status = readMaterialLine(text, pos, read);
    if (!status.ok()) return Status::failure("material " + itoa10(m) + ": " + status.message);
    contents.materials[m] = std::move(read.material);
    pos = read.next;
  }
  return Status::success();
}

Status readCameras(std::string_view text, std::size_t& pos, PackContents& contents) {
  const std::size_t settings = sectionData(text, kRenderSettingsKey, pos);
  if (settings == kNotFound) return missing(kRenderSettingsKey);
  const std::size_t key = findFrom(text, kCameraKey, settings);
  if (key == kNotFound) return Status::failure("no \"camera_\" block");
  NumberCursor cursor(text, key + kCameraKey.size());
  contents.cameras.resize(kPackCameraSlots);
  for (Camera& camera : contents.cameras) camera = readCameraLine(cursor);
  pos = cursor.position();
  return Status::success();
}

}  // namespace

std::string packText(const SceneStore& scenes, const std::vector<Texture>& textures,
                     const TrackerTable& tracker) {
  return writtenText([&](TextWriter& out) {
    out.text("fontname:[");
    out.text(scenes.fontName);
    out.text("]\nsection:geometry_\n");
    writeGeometry(scenes, out);
    out.text("section:materials_\n");
    for (const Material& material : scenes.materials) writeMaterialLine(material, out);
    out.text("section:rendersettings_\ncamera_\n");
    for (int c = 0; c < kPackCameraSlots; ++c) writeCameraLine(scenes.cameras[c], out);
    out.text("section:texturedata_\n");
    writeTexturePackSection(textures, out.flush());
    writeTrackerBlock(tracker, out.flush());
  });
}

Status readPackText(std::string_view text, PackContents& contents) {
  std::size_t pos = 0;
  Status status = readFontName(text, contents, pos);
  if (!status.ok()) return status;

  const std::size_t geometry = sectionData(text, kGeometryKey, pos);
  if (geometry == kNotFound) return missing(kGeometryKey);
  // The geometry block ends where the materials begin, so its "clones" search stays inside it.
  const std::size_t materialsKey = findFrom(text, kMaterialsKey, geometry);
  if (materialsKey == kNotFound) return missing(kMaterialsKey);
  status = readGeometry(text.substr(0, materialsKey), geometry, contents.geometry);
  if (!status.ok()) return Status::failure("geometry: " + status.message);

  pos = sectionData(text, kMaterialsKey, materialsKey);
  status = readMaterials(text, pos, contents);
  if (!status.ok()) return status;
  status = readCameras(text, pos, contents);
  if (!status.ok()) return status;

  const std::size_t textures = sectionData(text, kTextureKey, pos);
  if (textures == kNotFound) return missing(kTextureKey);
  contents.textures.assign(kPackTextureEntries, Texture{});
  std::size_t texturesEnd = textures;
  status = readTexturePackSection(text, textures, contents.textures, contents.unknownLines,
                                  &texturesEnd);
  if (!status.ok()) return status;

  // Searched behind the last texture entry, so that a texture named "...track_..." is no tracker.
  const std::size_t tracker = findFrom(text, kTrackerKey, texturesEnd);
  if (tracker != kNotFound) {
    contents.tracker.emplace();
    return readTrackerBlock(text, tracker, *contents.tracker);
  }
  return Status::success();
}

}  // namespace tess
