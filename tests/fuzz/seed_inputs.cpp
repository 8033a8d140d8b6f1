#include "seed_inputs.hpp"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "audio/sample_files.hpp"
#include "audio/sample_log.hpp"
#include "core/file_io.hpp"
#include "editor/recent_files.hpp"
#include "editor/window_layout.hpp"
#include "scene/complex_pack_text.hpp"
#include "scene/material_text.hpp"
#include "scene/scene_layer_file.hpp"
#include "texture/texture_text.hpp"

namespace tess::fuzz {

namespace {

const std::filesystem::path kExamples =
    std::filesystem::path(TESS_SOURCE_DIR) / "data" / "examples";
constexpr const char* kPacks[] = {"demo.tsc", "first_scenes.tsc"};
constexpr const char* kTextures[] = {"dusk.ttx", "galaxy.ttx", "lava.ttx"};
constexpr const char* kSampleLogs[] = {
    "SetSize(20);\nSinus(440,255,0);\nEnv(1,2);\nReverse();\n",
    "SetSize(8);\nNoise(200,30);\nSaw(110,200,0);\nInvert();\n",
};

std::string example(const char* name) {
  std::string text;
  readWholeFile(kExamples / name, text);
  return text;
}

std::vector<PackContents> examplePacks() {
  std::vector<PackContents> packs;
  for (const char* name : kPacks)
    if (PackContents contents; readPackText(example(name), contents).ok())
      packs.push_back(std::move(contents));
  return packs;
}

std::vector<std::string> textureSeeds() {
  std::vector<std::string> seeds;
  for (const char* name : kTextures) seeds.push_back(example(name));
  for (const PackContents& pack : examplePacks())
    for (const Texture& texture : pack.textures)
      if (texture.stageCount > 1) seeds.push_back(textureText(texture));
  return seeds;
}

std::vector<std::string> materialSeeds() {
  std::vector<std::string> seeds;
  for (const PackContents& pack : examplePacks())
    for (const Material& material : pack.materials)
      seeds.push_back(writtenText([&](TextWriter& out) { writeMaterialLine(material, out); }));
  std::sort(seeds.begin(), seeds.end());
  seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());
  return seeds;
}

std::vector<std::string> sceneLayerSeeds() {
  std::vector<std::string> seeds;
  for (const PackContents& pack : examplePacks()) {
    auto store = std::make_unique<SceneStore>();
    applyGeometry(pack.geometry, *store);
    for (int s = 0; s < store->sceneCount; ++s) seeds.push_back(sceneLayerText(store->scenes[s]));
  }
  return seeds;
}

// The sample lists above, each as the current sample of its own store.
std::vector<std::string> sampleSeeds(std::string (*bytes)(const SampleStore&)) {
  std::vector<std::string> seeds;
  auto store = std::make_unique<SampleStore>();
  for (const char* log : kSampleLogs) {
    ++store->currentSample;
    if (readSampleLog(*store, log, "seed.slog").ok()) seeds.push_back(bytes(*store));
  }
  return seeds;
}

std::vector<std::string> schemeSeeds() {
  WindowLayout layout = initialWindowLayout();
  std::vector<std::string> seeds{encodeScheme(layout)};
  layout.windowHidden[hiddenSlot(ToolWindow::Tracker)] = 1;
  layout.windowPinned[pinSlot(ToolWindow::Objects)] = 1;
  layout.autofocusOff = 1;
  seeds.push_back(encodeScheme(layout));
  return seeds;
}

std::vector<std::string> recentFilesSeeds() {
  RecentFiles recent;
  std::vector<std::string> seeds{encodeRecentFiles(recent)};
  recent.openedNew((kExamples / "demo.tsc").string());
  recent.openedNew("/home/someone/demos/first scenes.tsc");
  seeds.push_back(encodeRecentFiles(recent));
  return seeds;
}

}  // namespace

std::vector<std::string> seedInputs(std::string_view target) {
  if (target == "complex_pack") return {example(kPacks[0]), example(kPacks[1])};
  if (target == "texture_text") return textureSeeds();
  if (target == "material_file") return materialSeeds();
  if (target == "scene_layer") return sceneLayerSeeds();
  if (target == "sample_file") return sampleSeeds(sampleFileBytes);
  if (target == "sample_pack") return sampleSeeds(samplePackBytes);
  if (target == "sample_log") return {kSampleLogs[0], kSampleLogs[1]};
  if (target == "window_scheme") return schemeSeeds();
  if (target == "recent_files") return recentFilesSeeds();
  return {};
}

}  // namespace tess::fuzz
