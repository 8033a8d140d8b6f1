#include "engine/gl/scene_lights.hpp"

#include "engine/modifier_engine.hpp"
#include "engine/view_transform.hpp"
#include "scene/scene_codes.hpp"

namespace tess::gl {

namespace {

ColorValue rgbOf(const ColorValue& c) { return ColorValue{c.r, c.g, c.b, 0}; }

}  // namespace

std::array<LightSlot, kLightSlots> SetupLights(const SceneStore& scenes, const FrameView& view,
                                               double time, ModifierProgram& modifiers) {
  std::array<LightSlot, kLightSlots> lights{};
  const Scene& scene = scenes.scenes[view.scene];
  const Camera& camera = view.camera;
  // Rotation and zoom only: the target is subtracted (lamps) or not (suns) by hand.
  Camera rotationOnly = camera;
  rotationOnly.targetX = rotationOnly.targetY = rotationOnly.targetZ = 0;
  const ViewTransform rotateAndZoom(rotationOnly, ComputeViewRotation(camera), ViewMode::Normal);
  int n = 0;
  for (int i = 0; i < scene.objectCount && n < kLightSlots; ++i) {
    const SceneObject& o = scene.objects[i];
    if (o.type != objtype::Sun && o.type != objtype::Lamp) continue;
    std::uint8_t weight = 1;
    GridCell cell;
    cell.weight = &weight;
    MeshPoint point;
    modifiers.rebuild(scene, i, time, true);
    modifiers.apply(ModifierPass{o, cell, time}, point);
    double x = point.px, y = point.py, z = point.pz;
    LightSlot& light = lights[n++];
    if (o.type == objtype::Sun) {
      x -= o.posX / 64.0;
      y -= o.posY / 64.0;
      z -= o.posZ / 64.0;
      light.type = LightType::Directional;
    } else {
      x += (o.posX - camera.targetX) / 64;
      y += (o.posY - camera.targetY) / 64;
      z += (o.posZ - camera.targetZ) / 64;
      light.type = LightType::Point;
      light.range = static_cast<float>(o.sizeX / 64.0);
    }
    rotateAndZoom.apply(x, y, z);
    light.x = static_cast<float>(x);
    light.y = static_cast<float>(z);
    light.z = static_cast<float>(y);
    if (o.material < kMaterialCount) {
      const SurfaceMaterial& m = scenes.materials[o.material].surface;
      light.diffuse = rgbOf(m.diffuse);
      light.specular = rgbOf(m.specular);
      light.ambient = rgbOf(m.ambient);
    }
  }
  return lights;
}

}  // namespace tess::gl
