#include "ui/view3d_graphics.hpp"

namespace tess {

std::unique_ptr<View3dGraphics> View3dGraphics::create(Project& project, int width, int height,
                                                       std::string& error) {
  std::unique_ptr<View3dGraphics> graphics(new View3dGraphics(project));
  graphics->context_ = gl::HeadlessContext::create(error);
  if (!graphics->context_) return nullptr;
  graphics->device_ = gl::CreateRenderDevice(width, height, error);
  if (!graphics->device_) return nullptr;
  graphics->renderer_ = std::make_unique<gl::FrameRenderer>(
      *graphics->device_, project.scenes, project.textures, graphics->images_);
  project.textures.sceneRenderer = graphics->renderer_.get();
  return graphics;
}

View3dGraphics::~View3dGraphics() {
  // The texture generator must not keep rendering with a renderer that is gone.
  if (project_.textures.sceneRenderer == renderer_.get()) project_.textures.sceneRenderer = nullptr;
  // Released in order: renderer, device, then the context they live in.
  renderer_.reset();
  device_.reset();
}

void View3dGraphics::renderFrame(std::uint64_t milliseconds) {
  renderer_->RenderFrame(milliseconds, gl::currentView(project_.scenes));
  picture_ = device_->readBackBuffer().data();
}

void View3dGraphics::showDisplay(const View3dDisplay& display) {
  gl::RenderSwitches& switches = renderer_->switches;
  const View3dToggles& toggles = display.toggles();
  switches.viewMode = display.viewMode();
  switches.animationFrozen = toggles.animationFrozen;
  switches.groupOnly = toggles.groupOnly;
  switches.orthographic = toggles.orthographic;
  switches.guidesHidden = toggles.guidesHidden;
  switches.wireframe = toggles.wireframe;
  switches.gridMode = toggles.gridMode;
}

void View3dGraphics::textureChanged() {
  images_.capture(project_.textures);
  device_->UploadEditedTexture(project_.textures);
}

void View3dGraphics::uploadAllTextures() { device_->uploadAllTextures(project_.textures, images_); }

}  // namespace tess
