#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gl/fixed_function_program.hpp"
#include "engine/mesh_vertex.hpp"
#include "engine/texture_images.hpp"
#include "texture/texture_store.hpp"

namespace tess::gl {

inline constexpr int kDeviceTextures = 256;
inline constexpr int kWhiteTexture = 253;
inline constexpr std::uint32_t kClearColour = 0x787878;

enum class CullMode { None, Clockwise, CounterClockwise };

// Blend operations of the device (ONE, ONE unless the alpha-channel mode sets its factors).
enum class BlendOp { Add, RevSubtract, Subtract, Min, Max };

// One position-only overlay vertex (12 bytes).
struct LineVertex {
  float x, y, z;
};

// The OpenGL side of the renderer over a context current on this thread: the screen-sized
// offscreen back buffer with a 16-bit depth buffer, the 256 device textures and the
// fixed-function emulation. Render states persist between draws until set again, as in
// Direct3D 9.
class RenderDevice {
 public:
  // Releasing the device (destroying it) frees every OpenGL object it made.
  ~RenderDevice();
  RenderDevice(const RenderDevice&) = delete;
  RenderDevice& operator=(const RenderDevice&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Device textures. Slot 253 starts opaque white; the others start transparent black at 32.
  void uploadTexture(int slot, const TextureImage& image);
  void uploadAllTextures(const TextureStore& store, const TextureImages& images);
  // The displayed stage of the current texture into its device texture; a render-target texture
  // is not uploaded but gets render-target storage of its size when it lacks it.
  void UploadEditedTexture(const TextureStore& store);
  // Makes slot a framebuffer-attachable texture of size x size (no CPU image).
  void makeRenderTarget(int slot, int size);
  bool isRenderTarget(int slot) const { return renderTarget_[slot]; }
  // The whole back buffer onto the whole render-target texture (nearest); false and nothing
  // changed for an ordinary texture.
  bool copyBackBufferTo(int slot);

  // The back buffer onto the default framebuffer of the current context (a window of width x
  // height), scaled to fit with black borders; the back buffer stays bound for drawing.
  void presentToWindow(int width, int height);

  void clearDepth();
  void clearColour(std::uint32_t rgb);

  // Render states.
  void setDepth(bool test, bool write);
  void setBlending(bool on);
  void setBlendOp(BlendOp op);
  void setBlendFactorsOne();
  void setBlendFactorsSourceAlpha();
  void setCullMode(CullMode mode);
  void setWireframe(bool on);

  FixedFunctionState state;

  // Draws a triangle list (count vertices) / a line list with the current states.
  void drawTriangles(const MeshVertex* vertices, int count);
  void drawLines(const LineVertex* vertices, int count);
  // Draws a triangle list kept between frames in a vertex buffer of its own, named by slot; the
  // vertices are sent only when version differs from the one the buffer holds.
  void drawStoredTriangles(int slot, std::uint64_t version, const MeshVertex* vertices, int count);

  // Waits until every command sent has been carried out (for timing only).
  void finish();

  // The back buffer read back as blue, green, red, alpha with row 0 the top of the picture.
  const std::vector<std::uint8_t>& readBackBuffer();
  // The blue byte of the pixel at (x, y), y counted from the top.
  std::uint8_t readBlue(int x, int y);

 private:
  friend std::unique_ptr<RenderDevice> CreateRenderDevice(int width, int height,
                                                          std::string& error);
  RenderDevice() = default;
  bool createResources(std::string& error);
  void bindTextures();
  void upload(const void* data, std::size_t bytes);

  struct StoredMesh {
    unsigned buffer = 0, array = 0;
    std::uint64_t version = 0;
  };

  int width_ = 0, height_ = 0;
  FixedFunctionProgram program_;
  unsigned framebuffer_ = 0, colourBuffer_ = 0, depthBuffer_ = 0, copyFramebuffer_ = 0;
  unsigned meshArray_ = 0, lineArray_ = 0, vertexBuffer_ = 0;
  std::size_t vertexBufferBytes_ = 0;
  std::vector<StoredMesh> stored_;
  std::array<unsigned, kDeviceTextures> textures_{};
  std::array<bool, kDeviceTextures> renderTarget_{};
  std::array<int, kDeviceTextures> textureSize_{};
  std::vector<std::uint8_t> readBack_;
};

// The device over the context current on this thread (the editor's widget, or a headless one),
// with a back buffer of width x height; nothing, with `error` set, when the context is below 3.3
// or a resource cannot be made.
std::unique_ptr<RenderDevice> CreateRenderDevice(int width, int height, std::string& error);

}  // namespace tess::gl
