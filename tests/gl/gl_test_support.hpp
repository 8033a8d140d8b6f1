#pragma once

// A headless context, a small render device and a frame renderer over fresh stores. Machines
// without an EGL surfaceless OpenGL 3.3 context skip the test with the reason.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "engine/gl/frame_renderer.hpp"
#include "engine/gl/headless_context.hpp"
#include "scene/scene_codes.hpp"

namespace tess::testing {

class GlTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 160, kHeight = 120;

  void SetUp() override {
    std::string error;
    context_ = gl::HeadlessContext::create(error);
    if (!context_) GTEST_SKIP() << "no headless OpenGL: " << error;
    device_ = gl::CreateRenderDevice(kWidth, kHeight, error);
    // A context that exists but cannot hold the device is a fault of ours, not of the machine.
    ASSERT_TRUE(device_) << error;
    renderer_ = std::make_unique<gl::FrameRenderer>(*device_, *scenes_, *textures_, images_);
    scenes_->scenes[0].objectCount = 0;
    renderer_->switches.guidesHidden = true;  // the axes would cover the middle of the picture
  }

  void TearDown() override {
    renderer_.reset();
    device_.reset();
    context_.reset();
  }

  // Appends an object to scene s and returns it.
  SceneObject& add(int type, int s = 0) {
    Scene& scene = scenes_->scenes[s];
    SceneObject& o = scene.objects[scene.objectCount++];
    o = SceneObject{};
    o.type = static_cast<std::uint8_t>(type);
    return o;
  }

  // A screen-filling postprocessor lit only by the global ambient light: its colour is the
  // material's ambient grey times the texture.
  SceneObject& addScreen(int material, float grey, int texture = gl::kWhiteTexture, int s = 0) {
    SceneObject& o = add(objtype::Postprocessor, s);
    o.sizeX = 256;
    o.sizeY = 192;
    o.segU = o.segV = 4;
    o.material = static_cast<std::uint8_t>(material);
    o.texture = static_cast<std::uint8_t>(texture);
    scenes_->materials[material].surface.ambient = ColorValue{grey, grey, grey, 1};
    return o;
  }

  // A ball of radius `radius` scene units whose front is `front` units in front of the eye, lit
  // only by the global ambient light with the given colour.
  SceneObject& addBall(int material, ColorValue colour, double front, int radius, int s = 0) {
    SceneObject& o = add(objtype::Sphere, s);
    o.sizeX = o.sizeY = o.sizeZ = static_cast<std::int16_t>(64 * radius);
    // The default camera puts generator z = 0 at depth 4, nearer as z grows.
    o.posZ = static_cast<std::int16_t>(-64 * (front + radius - 4));
    o.material = static_cast<std::uint8_t>(material);
    o.texture = gl::kWhiteTexture;
    scenes_->materials[material].surface.ambient = colour;
    return o;
  }

  // A texture image: rows 0..size/2-1 in `top`, the rest in `bottom` (blue, green, red, alpha).
  void uploadHalves(int slot, std::array<std::uint8_t, 4> top, std::array<std::uint8_t, 4> bottom,
                    int size = 32) {
    TextureImage image;
    image.size = size;
    image.pixels.resize(std::size_t{4} * size * size);
    for (int i = 0; i < size * size; ++i) {
      const auto& colour = i / size < size / 2 ? top : bottom;
      std::copy(colour.begin(), colour.end(), image.pixels.begin() + 4 * i);
    }
    device_->uploadTexture(slot, image);
  }

  // A frame of the current scene through liveCamera.
  void frame() { renderer_->RenderFrame(0, gl::currentView(*scenes_)); }

  // Blue, green, red, alpha of the back buffer pixel (x, y), y from the top of the picture.
  std::array<int, 4> pixel(int x, int y) {
    const auto& screen = device_->readBackBuffer();
    const std::uint8_t* p = screen.data() + 4 * (std::size_t{static_cast<unsigned>(y)} * kWidth + x);
    return {p[0], p[1], p[2], p[3]};
  }
  int blue(int x, int y) { return pixel(x, y)[0]; }
  int red(int x, int y) { return pixel(x, y)[2]; }

  std::unique_ptr<SceneStore> scenes_ = std::make_unique<SceneStore>();
  std::unique_ptr<TextureStore> textures_ = std::make_unique<TextureStore>();
  TextureImages images_;
  std::unique_ptr<gl::HeadlessContext> context_;
  std::unique_ptr<gl::RenderDevice> device_;
  std::unique_ptr<gl::FrameRenderer> renderer_;
};

}  // namespace tess::testing
