#include "cli/pack_command.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/commands.hpp"
#include "editor/editor_session.hpp"
#include "cli/png_file.hpp"
#include "scene/pack_files.hpp"
#include "texture/texture_text.hpp"

namespace tess::cli {

namespace {

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

template <class Range>
std::string jsonList(const Range& values) {
  std::string out = "[";
  for (int value : values) out += (out.size() > 1 ? "," : "") + std::to_string(value);
  return out + "]";
}

std::vector<int> texturesInUse(const TextureStore& textures) {
  std::vector<int> slots;
  for (int t = 0; t < kPackTextureEntries; ++t)
    if (textures.slots[t].stageCount > 1) slots.push_back(t);
  return slots;
}

void printInfo(const Project& project, std::ostream& out) {
  const SceneStore& scenes = project.scenes;
  std::vector<int> objectCounts;
  for (int s = 0; s < scenes.sceneCount; ++s) objectCounts.push_back(scenes.scenes[s].objectCount);
  const auto rows = std::count_if(project.tracker.events.begin(), project.tracker.events.end(),
                                  [](const TrackerEvent& e) { return !e.empty(); });
  out << "{\"font\":" << jsonString(scenes.fontName) << ",\"sceneCount\":" << int{scenes.sceneCount}
      << ",\"objectCounts\":" << jsonList(objectCounts) << ",\"trackerRows\":" << rows
      << ",\"sound\":" << jsonString(project.tracker.sound)
      << ",\"texturesInUse\":" << jsonList(texturesInUse(project.textures)) << "}\n";
}

std::filesystem::path texturePngPath(const std::filesystem::path& folder, int slot) {
  char name[32];
  std::snprintf(name, sizeof name, "texture_%03d.png", slot);
  return folder / name;
}

}  // namespace

int runPackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> rest = args;
  const bool info = std::erase(rest, std::string("--info")) > 0;
  std::string message;
  auto arguments = parseArguments(rest, {"resave", "export-textures"}, message);
  if (!arguments || arguments->positional.size() != 1) {
    if (arguments) message = "expected one pack file";
    err << "tessarine-cli pack: " << message << "\n" << usageLine("pack");
    return kExitUsage;
  }
  const std::string& input = arguments->positional[0];
  const std::optional<std::string> exportFolder = arguments->option("export-textures");

  EditorSession loaded;
  PackLoadOptions options;
  Status exported;
  if (exportFolder) {
    std::error_code error;
    std::filesystem::create_directories(*exportFolder, error);
    options.afterTexture = [&](int slot) {
      if (!exported.ok()) return;
      TextureStore& textures = loaded.textures();
      exported =
          writeStagePng(texturePngPath(*exportFolder, slot),
                        textures.stage(textures.currentTexture().stageCount - 1), textures.size());
    };
  }
  options.regenerateTextures = exportFolder.has_value();

  PackLoad load = loadPack(loaded.project(), input, options);
  for (const std::string& notice : load.notices) err << "'" << input << "': " << notice << "\n";
  for (const Status& status : {load.status, exported}) {
    if (status.ok()) continue;
    err << status.message << "\n";
    return kExitBadInput;
  }
  if (auto resave = arguments->option("resave")) {
    Status saved = savePack(loaded.project(), *resave);
    if (!saved.ok()) {
      err << saved.message << "\n";
      return kExitBadInput;
    }
  }
  if (info) {
    printInfo(loaded.project(), out);
  } else {
    out << "'" << input << "': " << int{loaded.scenes().sceneCount} << " scenes, "
        << texturesInUse(loaded.textures()).size() << " textures with commands\n";
  }
  return kExitSuccess;
}

}  // namespace tess::cli
