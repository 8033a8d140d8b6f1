#include "engine/gl/render_device.hpp"

#include <epoxy/gl.h>

#include <algorithm>

#include "engine/gl/gl_version.hpp"

namespace tess::gl {

namespace {

constexpr int kInitialTextureSize = 32;

void defineTexture(unsigned texture, int size, const void* pixels) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size, size, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
}

// The MeshVertex layout for the vertex array and buffer bound now.
void describeMeshVertices() {
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex), nullptr);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                        reinterpret_cast<const void*>(offsetof(MeshVertex, nx)));
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                        reinterpret_cast<const void*>(offsetof(MeshVertex, tu)));
}

}  // namespace

std::unique_ptr<RenderDevice> CreateRenderDevice(int width, int height, std::string& error) {
  if (!supportsCore33(error)) return nullptr;
  std::unique_ptr<RenderDevice> device(new RenderDevice);
  device->width_ = width;
  device->height_ = height;
  if (!device->createResources(error)) return nullptr;
  return device;
}

bool RenderDevice::createResources(std::string& error) {
  if (!program_.create(width_, height_, error)) return false;

  glGenRenderbuffers(1, &colourBuffer_);
  glBindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
  glGenRenderbuffers(1, &depthBuffer_);
  glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width_, height_);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    error = "the offscreen back buffer of " + std::to_string(width_) + " x " +
            std::to_string(height_) + " pixels could not be made";
    return false;
  }
  glGenFramebuffers(1, &copyFramebuffer_);
  glViewport(0, 0, width_, height_);

  glGenTextures(kDeviceTextures, textures_.data());
  const std::vector<std::uint8_t> black(4 * kInitialTextureSize * kInitialTextureSize, 0);
  const std::vector<std::uint8_t> white(black.size(), 0xFF);
  for (int t = 0; t < kDeviceTextures; ++t) {
    defineTexture(textures_[t], kInitialTextureSize, t == kWhiteTexture ? white.data() : black.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    textureSize_[t] = kInitialTextureSize;
  }

  glGenBuffers(1, &vertexBuffer_);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glGenVertexArrays(1, &meshArray_);
  glBindVertexArray(meshArray_);
  describeMeshVertices();
  // Overlay lines carry positions only: normal (0, 0, 0) and texture coordinates (0, 0).
  glGenVertexArrays(1, &lineArray_);
  glBindVertexArray(lineArray_);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(LineVertex), nullptr);
  glVertexAttrib3f(1, 0, 0, 0);
  glVertexAttrib2f(2, 0, 0);

  readBack_.resize(std::size_t{4} * width_ * height_);
  setCullMode(CullMode::None);
  setDepth(true, true);
  return glGetError() == GL_NO_ERROR || (error = "OpenGL reported an error at set-up", false);
}

RenderDevice::~RenderDevice() {
  program_.release();
  for (const StoredMesh& mesh : stored_) {
    glDeleteBuffers(1, &mesh.buffer);
    glDeleteVertexArrays(1, &mesh.array);
  }
  glDeleteTextures(kDeviceTextures, textures_.data());
  glDeleteBuffers(1, &vertexBuffer_);
  glDeleteVertexArrays(1, &meshArray_);
  glDeleteVertexArrays(1, &lineArray_);
  glDeleteFramebuffers(1, &framebuffer_);
  glDeleteFramebuffers(1, &copyFramebuffer_);
  glDeleteRenderbuffers(1, &colourBuffer_);
  glDeleteRenderbuffers(1, &depthBuffer_);
}

void RenderDevice::uploadTexture(int slot, const TextureImage& image) {
  if (slot < 0 || slot >= kDeviceTextures || image.size == 0) return;
  renderTarget_[slot] = false;
  textureSize_[slot] = image.size;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  defineTexture(textures_[slot], image.size, image.pixels.data());
}

void RenderDevice::uploadAllTextures(const TextureStore& store, const TextureImages& images) {
  for (int t = 0; t < kTextureSlotCount; ++t) {
    if (store.slots[t].type == kTextureRenderTarget) {
      makeRenderTarget(t, store.slots[t].size);
    } else if (const TextureImage* image = images.image(t)) {
      uploadTexture(t, *image);
    }
  }
}

void RenderDevice::UploadEditedTexture(const TextureStore& store) {
  const int slot = store.current, size = store.size();
  if (store.currentTexture().type == kTextureRenderTarget) {
    // Render targets are only drawn into; a texture that just became one gets its storage.
    if (!renderTarget_[slot] || textureSize_[slot] != size) makeRenderTarget(slot, size);
    return;
  }
  renderTarget_[slot] = false;
  textureSize_[slot] = size;
  defineTexture(textures_[slot], size, store.stage(store.displayedStage));
}

void RenderDevice::makeRenderTarget(int slot, int size) {
  if (slot < 0 || slot >= kDeviceTextures) return;
  renderTarget_[slot] = true;
  textureSize_[slot] = size;
  defineTexture(textures_[slot], size, nullptr);
}

bool RenderDevice::copyBackBufferTo(int slot) {
  if (slot < 0 || slot >= kDeviceTextures || !renderTarget_[slot]) return false;
  const int size = textureSize_[slot];
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, copyFramebuffer_);
  glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, textures_[slot], 0);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBlitFramebuffer(0, 0, width_, height_, 0, 0, size, size, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  return true;
}

void RenderDevice::presentToWindow(int width, int height) {
  // Fitted into the window with its aspect kept; the back buffer's row 0 is the top of the
  // picture, the window's the bottom.
  const double scale = std::min(static_cast<double>(width) / width_,
                                static_cast<double>(height) / height_);
  const int w = static_cast<int>(width_ * scale), h = static_cast<int>(height_ * scale);
  const int x = (width - w) / 2, y = (height - h) / 2;
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  if (w != width || h != height) {
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glViewport(0, 0, width_, height_);
  }
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBlitFramebuffer(0, 0, width_, height_, x, y + h, x + w, y, GL_COLOR_BUFFER_BIT, GL_LINEAR);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void RenderDevice::clearDepth() {
  GLboolean writes = GL_TRUE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &writes);
  glDepthMask(GL_TRUE);
  glClearDepth(1.0);
  glClear(GL_DEPTH_BUFFER_BIT);
  glDepthMask(writes);
}

void RenderDevice::clearColour(std::uint32_t rgb) {
  glClearColor(static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
               static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
               static_cast<float>(rgb & 0xFF) / 255.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void RenderDevice::setDepth(bool test, bool write) {
  // Disabling the depth test in OpenGL also stops depth writes, as in Direct3D 9.
  if (test) glEnable(GL_DEPTH_TEST);
  else glDisable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glDepthMask(write ? GL_TRUE : GL_FALSE);
}

void RenderDevice::setBlending(bool on) {
  if (on) glEnable(GL_BLEND);
  else glDisable(GL_BLEND);
}

void RenderDevice::setBlendOp(BlendOp op) {
  static constexpr GLenum kOps[] = {GL_FUNC_ADD, GL_FUNC_REVERSE_SUBTRACT, GL_FUNC_SUBTRACT, GL_MIN,
                                    GL_MAX};
  glBlendEquation(kOps[static_cast<int>(op)]);
}

void RenderDevice::setBlendFactorsOne() { glBlendFunc(GL_ONE, GL_ONE); }

void RenderDevice::setBlendFactorsSourceAlpha() { glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); }

void RenderDevice::setCullMode(CullMode mode) {
  // The picture is drawn upside down (row 0 at the top), which turns the windings seen on it.
  if (mode == CullMode::None) {
    glDisable(GL_CULL_FACE);
    return;
  }
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glCullFace(mode == CullMode::CounterClockwise ? GL_BACK : GL_FRONT);
}

void RenderDevice::setWireframe(bool on) { glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL); }

void RenderDevice::bindTextures() {
  const int slots[3] = {state.texture0, state.stages[0].texture, state.stages[1].texture};
  for (int unit = 0; unit < 3; ++unit) {
    glActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(GL_TEXTURE_2D, textures_[std::clamp(slots[unit], 0, kDeviceTextures - 1)]);
  }
  glActiveTexture(GL_TEXTURE0);
}

void RenderDevice::upload(const void* data, std::size_t bytes) {
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  // A fresh store each draw lets the driver keep drawing from the previous one.
  vertexBufferBytes_ = std::max(vertexBufferBytes_, bytes);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexBufferBytes_), nullptr, GL_STREAM_DRAW);
  glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), data);
}

void RenderDevice::drawTriangles(const MeshVertex* vertices, int count) {
  if (count <= 0) return;
  program_.apply(state);
  bindTextures();
  upload(vertices, sizeof(MeshVertex) * static_cast<std::size_t>(count));
  glBindVertexArray(meshArray_);
  glDrawArrays(GL_TRIANGLES, 0, count);
}

void RenderDevice::drawStoredTriangles(int slot, std::uint64_t version,
                                       const MeshVertex* vertices, int count) {
  if (count <= 0 || slot < 0) return;
  if (stored_.size() <= static_cast<std::size_t>(slot)) stored_.resize(slot + 1);
  StoredMesh& mesh = stored_[slot];
  if (mesh.array == 0) {
    glGenBuffers(1, &mesh.buffer);
    glGenVertexArrays(1, &mesh.array);
    glBindVertexArray(mesh.array);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.buffer);
    describeMeshVertices();
  }
  if (mesh.version != version) {
    glBindBuffer(GL_ARRAY_BUFFER, mesh.buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(MeshVertex) * count), vertices,
                 GL_STATIC_DRAW);
    mesh.version = version;
  }
  program_.apply(state);
  bindTextures();
  glBindVertexArray(mesh.array);
  glDrawArrays(GL_TRIANGLES, 0, count);
}

void RenderDevice::drawLines(const LineVertex* vertices, int count) {
  if (count <= 0) return;
  program_.apply(state);
  bindTextures();
  upload(vertices, sizeof(LineVertex) * static_cast<std::size_t>(count));
  glBindVertexArray(lineArray_);
  glDrawArrays(GL_LINES, 0, count);
}

void RenderDevice::finish() { glFinish(); }

const std::vector<std::uint8_t>& RenderDevice::readBackBuffer() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, readBack_.data());
  return readBack_;
}

std::uint8_t RenderDevice::readBlue(int x, int y) {
  std::uint8_t pixel[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return pixel[0];
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glReadPixels(x, y, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, pixel);
  return pixel[0];
}

}  // namespace tess::gl
