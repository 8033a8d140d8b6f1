#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/gl/frame_renderer.hpp"
#include "engine/gl/headless_context.hpp"
#include "engine/gl/render_device.hpp"
#include "editor/view3d_display.hpp"
#include "engine/texture_images.hpp"
#include "scene/project.hpp"

namespace tess {

// The renderer of the 3D view: an OpenGL 3.3 context of its own (no window needed), the device
// with its back buffer and the frame renderer over the project. The view shows the back buffer
// read back after each frame.
class View3dGraphics {
 public:
  // Nothing, with error saying why, when OpenGL 3.3 is not available.
  static std::unique_ptr<View3dGraphics> create(Project& project, int width, int height,
                                                std::string& error);
  ~View3dGraphics();

  gl::RenderDevice& device() { return *device_; }
  gl::FrameRenderer& renderer() { return *renderer_; }
  const TextureImages& images() const { return images_; }

  // One frame of the current scene through liveCamera at the clock reading (the caller evaluates
  // a playing timeline first); the picture is then in picture(): width x height pixels of blue,
  // green, red, alpha bytes, row 0 at the top.
  void renderFrame(std::uint64_t milliseconds);
  // The view mode and display switches the next frames draw with.
  void showDisplay(const View3dDisplay& display);
  const std::uint8_t* picture() const { return picture_; }
  int width() const { return device_->width(); }
  int height() const { return device_->height(); }

  // The current texture's displayed stage into its device texture, and its CPU image for the
  // landscapes: what loading and texture edits do after each change.
  void textureChanged();
  // Every slot, after a whole project was read.
  void uploadAllTextures();

 private:
  View3dGraphics(Project& project) : project_(project) {}
  Project& project_;
  std::unique_ptr<gl::HeadlessContext> context_;
  std::unique_ptr<gl::RenderDevice> device_;
  TextureImages images_;
  std::unique_ptr<gl::FrameRenderer> renderer_;
  const std::uint8_t* picture_ = nullptr;
};

// How the editor makes its renderer; tests pass one that fails, as a machine without OpenGL does.
using GraphicsFactory = std::function<std::unique_ptr<View3dGraphics>(
    Project& project, int width, int height, std::string& error)>;

}  // namespace tess
