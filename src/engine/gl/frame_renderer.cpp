#include "engine/gl/frame_renderer.hpp"

#include <algorithm>
#include <chrono>

#include "engine/clone_expansion.hpp"
#include "engine/gl/editor_overlays.hpp"
#include "engine/gl/scene_lights.hpp"
#include "engine/modifier_engine.hpp"
#include "scene/scene_codes.hpp"

namespace tess::gl {

namespace {

enum NormalMode { kNormalMinus = 0, kNormalZero, kNormalPlus, kNormalMinusStar, kNormalPlusStar,
                  kNormalUnvisible };
constexpr int kAlphaChannelBlend = 6;

TextureStage stageFor(int texture, int mode) {
  TextureStage stage;
  if (mode < 1 || mode > 9) return stage;  // "none": the stage and those after it are off
  stage.texture = texture;
  static constexpr StageOp kOps[3] = {StageOp::Add, StageOp::Subtract, StageOp::Modulate};
  static constexpr TexCoordSource kSources[3] = {TexCoordSource::Reflection,
                                                 TexCoordSource::SphereMap, TexCoordSource::Mesh};
  stage.op = kOps[(mode - 1) % 3];
  stage.source = kSources[(mode - 1) / 3];
  return stage;
}

// "nrml: -1" culls counter-clockwise faces, "nrml: 1" clockwise ones, "nrml:unv" keeps the
// previous mode and the others cull nothing.
void setCullFromNormalMode(RenderDevice& device, int normalMode) {
  switch (normalMode) {
    case kNormalMinus: device.setCullMode(CullMode::CounterClockwise); break;
    case kNormalPlus: device.setCullMode(CullMode::Clockwise); break;
    case kNormalUnvisible: break;
    default: device.setCullMode(CullMode::None); break;
  }
}

// Material colours reach 3.98 in the editor; a fog colour component is cut to 8 bits.
float fogComponent(float value) {
  const double scaled = static_cast<double>(value) * 256;
  const int byte = scaled >= 255 ? 255 : scaled <= 0 ? 0 : static_cast<int>(scaled);
  return static_cast<float>(byte) / 255.0f;
}

bool inGroup(const Scene& scene, const SceneObject& object, bool groupOnly) {
  if (!groupOnly) return true;
  const SceneObject& current = scene.objects[scene.currentObject];
  return current.controlMode != 0 && object.controlObject == current.controlObject;
}

}  // namespace

FrameRenderer::FrameRenderer(RenderDevice& device, SceneStore& scenes, TextureStore& textures,
                             const TextureImages& images)
    : device_(device), scenes_(scenes), textures_(textures) {
  inputs_.images = &images;
}

bool FrameRenderer::shown(const Scene& scene, const SceneObject& object) const {
  return inGroup(scene, object, switches.groupOnly) &&
         !(guidesHidden_ && (object.type == objtype::Sun || object.type == objtype::Lamp));
}

void FrameRenderer::prepareMeshInputs(const Camera& camera) {
  inputs_.camera = camera;
  inputs_.rotation = ComputeViewRotation(camera);
  inputs_.viewMode = switches.viewMode;
  inputs_.time = time_;
}

template <typename Drawn>
void FrameRenderer::updateMeshes(int sceneIndex, Drawn drawn) {
  const auto start = std::chrono::steady_clock::now();
  const Scene& scene = scenes_.scenes[sceneIndex];
  drawn_.clear();
  for (int i = 0; i < scene.objectCount; ++i)
    if (drawn(scene, scene.objects[i])) drawn_.push_back(i);
  meshes_.update(scenes_, sceneIndex, drawn_, inputs_);
  meshSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void FrameRenderer::drawMesh(int scene, int index) {
  const MeshCache::Entry& entry = meshes_.entry(scene, index);
  device_.drawStoredTriangles(scene * kObjectSlots + index, entry.version,
                              entry.mesh.vertices.data(), entry.mesh.vertexCount);
}

int FrameRenderer::RenderFrame(std::uint64_t milliseconds, const FrameView& view) {
  milliseconds_ = milliseconds;
  drawFrame(view, modifierTime(milliseconds), false);
  return 0;
}

void FrameRenderer::renderFrameAtTime(double time, const FrameView& view) {
  drawFrame(view, time, false);
}

void FrameRenderer::drawFrame(const FrameView& view, double time, bool guidesHidden) {
  meshSeconds_ = 0;
  guidesHidden_ = switches.guidesHidden || guidesHidden;
  device_.state.fog = false;
  const RenderSceneList passes = CollectRenderScenes(scenes_.scenes[view.scene]);
  time_ = switches.animationFrozen ? 0 : time;
  device_.state.orthographic = switches.orthographic;
  device_.UploadEditedTexture(textures_);
  device_.setWireframe(switches.wireframe);
  device_.setDepth(true, true);
  device_.clearDepth();
  device_.clearColour(kClearColour);

  const auto pass = [this](const FrameView& passView) {
    prepareMeshInputs(passView.camera);
    device_.state.lights = SetupLights(scenes_, passView, time_, lightModifiers_);
    device_.state.globalAmbient = ColorValue{1, 1, 1, 0};
    device_.state.specular = true;
    DrawScene(passView);
  };
  if (passes.count == 0) pass(view);
  for (int k = 0; k < passes.count; ++k) {
    const RenderSceneEntry& entry = passes.entries[k];
    pass(FrameView{entry.scene,
                   entry.camera < kCameraSlots ? scenes_.cameras[entry.camera] : view.camera});
  }
}

void FrameRenderer::DrawScene(const FrameView& view) {
  Scene& scene = scenes_.scenes[view.scene];
  ExpandClones(scene);
  updateMeshes(view.scene, [this](const Scene& s, const SceneObject& object) {
    return shown(s, object) && object.type != objtype::Fog;
  });
  const int count = scene.objectCount;
  for (int i = 0; i < count; ++i)
    if (scene.objects[i].blend == 0) drawObject(view.scene, i, false);
  device_.setDepth(true, false);
  device_.setBlending(true);
  device_.setBlendOp(BlendOp::Add);
  device_.setBlendFactorsOne();
  for (int i = 0; i < count; ++i)
    if (scene.objects[i].blend != 0) drawObject(view.scene, i, true);
  device_.setDepth(true, true);
  device_.setBlending(false);
  device_.state.alphaTest = false;
  if (!guidesHidden_) {
    drawEditorOverlays(device_, scenes_, view, switches, lines_);
    device_.setDepth(true, true);
    device_.setBlending(false);
    device_.state.alphaTest = false;
  }
}

void FrameRenderer::setFog(const SceneObject& object) {
  FixedFunctionState& state = device_.state;
  state.fog = true;
  if (object.material < kMaterialCount) {
    const ColorValue& ambient = scenes_.materials[object.material].surface.ambient;
    state.fogColour = ColorValue{fogComponent(ambient.r), fogComponent(ambient.g),
                                 fogComponent(ambient.b), 0};
  }
  const double zoom = inputs_.camera.zoom;  // the pass's camera
  state.fogStart = static_cast<float>(object.sizeX * zoom / 3);
  state.fogEnd = static_cast<float>(object.sizeY * zoom / 3);
}

void FrameRenderer::setObjectTextures(const SceneObject& object, const Material* material) {
  FixedFunctionState& state = device_.state;
  state.texture0 = object.texture;
  state.stages[0] = material ? stageFor(material->stage1Texture, material->stage1Blend)
                             : TextureStage{};
  state.stages[1] = material ? stageFor(material->stage2Texture, material->stage2Blend)
                             : TextureStage{};
  if (material) state.material = material->surface;
}

void FrameRenderer::drawObject(int sceneIndex, int index, bool blendedPass) {
  const Scene& scene = scenes_.scenes[sceneIndex];
  const SceneObject& object = scene.objects[index];
  if (!shown(scene, object)) return;
  if (object.type == objtype::Fog) {
    setFog(object);
    return;
  }
  if (blendedPass) {
    static constexpr BlendOp kOps[] = {BlendOp::Add, BlendOp::Add, BlendOp::RevSubtract,
                                       BlendOp::Subtract, BlendOp::Min, BlendOp::Max};
    if (object.blend == kAlphaChannelBlend) {
      device_.setDepth(true, true);
      device_.state.alphaTest = true;
      device_.setBlendOp(BlendOp::Add);
      device_.setBlendFactorsSourceAlpha();
    } else if (object.blend < kAlphaChannelBlend) {
      device_.setBlendOp(kOps[object.blend]);
    }
  }
  setCullFromNormalMode(device_, object.normalMode);
  if (object.normalMode == kNormalUnvisible && guidesHidden_) return;
  const Material* material =
      object.material < kMaterialCount ? &scenes_.materials[object.material] : nullptr;
  setObjectTextures(object, material);
  switch (object.type) {
    case objtype::ZBufferCleaner: device_.clearDepth(); break;
    case objtype::RenderScene: break;
    case objtype::CopyToTexture: device_.copyBackBufferTo(object.texture); break;
    case objtype::Postprocessor:
      device_.setDepth(false, false);
      drawMesh(sceneIndex, index);
      device_.setDepth(true, true);
      break;
    default: drawMesh(sceneIndex, index); break;
  }
  if (blendedPass && object.blend == kAlphaChannelBlend) {
    device_.state.alphaTest = false;
    device_.setBlendOp(BlendOp::Add);
    device_.setBlendFactorsOne();
    device_.setDepth(true, false);
  }
}

int FrameRenderer::PickObject(int x, int y, const FrameView& view) {
  const Scene& scene = scenes_.scenes[view.scene];
  prepareMeshInputs(view.camera);
  FixedFunctionState& state = device_.state;
  const FixedFunctionState saved = state;
  state.fog = false;
  state.lights = {};
  state.globalAmbient = ColorValue{1, 1, 1, 0};
  state.specular = false;
  state.alphaTest = false;
  state.stages = {};
  state.texture0 = kWhiteTexture;
  device_.setDepth(true, true);
  device_.clearDepth();
  device_.clearColour(0xFFFFFF);
  device_.setWireframe(false);
  device_.setBlending(false);
  updateMeshes(view.scene, [this](const Scene& s, const SceneObject& object) {
    return inGroup(s, object, switches.groupOnly);
  });
  for (int i : drawn_) {
    const SceneObject& object = scene.objects[i];
    setCullFromNormalMode(device_, object.normalMode);
    // Index i as an exact 8-bit grey: i / 255 converts back to i for every index.
    const float grey = static_cast<float>(i) / 255.0f;
    state.material = SurfaceMaterial{};
    state.material.ambient = ColorValue{grey, grey, grey, 0};
    if (object.type != objtype::Postprocessor) drawMesh(view.scene, i);
  }
  const int v = device_.readBlue(x, y);
  state = saved;
  return v < 254 ? v : -1;  // 255 is the white background
}

bool FrameRenderer::renderSceneImage(int scene, int camera, int size, std::uint8_t* pixels) {
  if (scene < 0 || scene >= kSceneCapacity || size <= 0) return false;
  const bool slot = camera >= 0 && camera < kCameraSlots;
  drawFrame(FrameView{scene, slot ? scenes_.cameras[camera] : scenes_.liveCamera},
            modifierTime(milliseconds_), true);

  // Nearest sampling in steps of 1/256 pixel; the top of the picture lands in the last row.
  const std::vector<std::uint8_t>& screen = device_.readBackBuffer();
  const int width = device_.width(), height = device_.height();
  const int stepX = 256 * width / size, stepY = 256 * height / size;
  for (int y = 0; y < size; ++y) {
    const int sourceRow = std::min(y * stepY / 256, height - 1);
    std::uint8_t* out = pixels + std::size_t{4} * size * (size - 1 - y);
    for (int x = 0; x < size; ++x) {
      const int sourceColumn = std::min(x * stepX / 256, width - 1);
      const std::uint8_t* in = screen.data() + 4 * (std::size_t{static_cast<unsigned>(sourceRow)} * width + sourceColumn);
      std::copy(in, in + 4, out + 4 * x);
    }
  }
  return true;
}

}  // namespace tess::gl
