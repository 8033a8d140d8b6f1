#include "demo/demo_show.hpp"

#include <algorithm>
#include <ostream>
#include <string>

#include "core/progress_line.hpp"
#include "scene/pack_files.hpp"
#include "texture/texture_text.hpp"
#include "timeline/demo_span.hpp"
#include "timeline/music/music_playback.hpp"
#include "timeline/playback.hpp"

namespace tess {

namespace {

constexpr double kQuietLoad = 500;        // ms of regeneration before progress shows
constexpr double kProgressInterval = 100; // ms between progress updates

int texturesToRegenerate(const TextureStore& textures) {
  return static_cast<int>(std::count_if(textures.slots.begin(),
                                        textures.slots.begin() + kPackTextureEntries,
                                        [](const Texture& t) { return t.stageCount > 1; }));
}

}  // namespace

DemoShow::DemoShow(gl::RenderDevice& device, std::filesystem::path pack)
    : pack_(std::move(pack)), renderer_(device, session_.scenes(), session_.textures(), images_) {
  renderer_.switches.guidesHidden = true;
  session_.textures().sceneRenderer = &renderer_;
}

DemoShow::~DemoShow() {
  // The texture store must not keep a renderer that is gone.
  session_.textures().sceneRenderer = nullptr;
}

std::unique_ptr<DemoShow> DemoShow::open(const std::filesystem::path& pack, gl::RenderDevice& device,
                                         std::ostream& err, bool terminal, Status& status) {
  std::unique_ptr<DemoShow> show(new DemoShow(device, pack));
  SteadyClock clock;
  ProgressLine progress(err, terminal, clock, kQuietLoad, kProgressInterval);
  int done = 0, total = -1;
  auto text = [&] {
    return "'" + pack.string() + "': regenerating textures, " + std::to_string(done) + " of " +
           std::to_string(total);
  };
  PackLoadOptions options;
  options.afterTexture = [&](int) {
    TextureStore& textures = show->session_.textures();
    show->images_.capture(textures);
    device.UploadEditedTexture(textures);
    if (total < 0) total = texturesToRegenerate(textures);
    ++done;
      progress.update(text);
  };
  PackLoad load = loadPack(show->session_.project(), pack, options);
  progress.conclude(text);
  for (const std::string& notice : load.notices) err << "'" << pack.string() << "': " << notice << "\n";
  status = load.status;
  if (!status.ok()) return nullptr;
  device.uploadAllTextures(show->session_.textures(), show->images_);  // render targets too
  return show;
}

double DemoShow::length(double musicSeconds) {
  return std::max(timelineLength(session_.tracker()), musicSeconds * 1000);
}

std::filesystem::path DemoShow::musicPath() {
  return modulePathFor(session_.tracker().sound, pack_);
}

void DemoShow::start() { startPlayback(session_.timeline(), session_.scenes(), 0, 0); }

void DemoShow::rewind() {
  SceneStore& scenes = session_.scenes();
  stopPlayback(session_.timeline(), scenes);
  session_.timeline().speed = kInitialSpeed;
  scenes.currentCamera = 0;
  scenes.liveCamera = scenes.cameras[0];
}

void DemoShow::advanceTo(double milliseconds) {
  EvaluateTimeline(session_.timeline(), session_.scenes(), session_.tracker(), milliseconds);
}

void DemoShow::drawFrame(double milliseconds) {
  renderer_.RenderFrame(static_cast<std::uint64_t>(std::max(0.0, milliseconds)),
                        gl::currentView(session_.scenes()));
}

}  // namespace tess
