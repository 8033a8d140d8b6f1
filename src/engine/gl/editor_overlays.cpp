#include "engine/gl/editor_overlays.hpp"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/view_transform.hpp"

namespace tess::gl {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSphereSegments = 16;
constexpr int kGridHalf = 15;

// The axes in 1/64 units, pairs of line ends: each axis with its arrow, then our own letter
// strokes for x, y and z beyond the arrow tips.
constexpr std::array<std::array<float, 3>, 36> kAxisLines = {{
    {0, 0, 0}, {100, 0, 0}, {100, 0, 0}, {80, 20, 0}, {100, 0, 0}, {80, -20, 0},
    {0, 0, 0}, {0, 100, 0}, {0, 100, 0}, {20, 80, 0}, {0, 100, 0}, {-20, 80, 0},
    {0, 0, 0}, {0, 0, 100}, {0, 0, 100}, {0, 20, 80}, {0, 0, 100}, {0, -20, 80},
    {110, -8, 0}, {126, 8, 0}, {110, 8, 0}, {126, -8, 0},                    // x
    {-8, 126, 0}, {0, 118, 0}, {8, 126, 0}, {0, 118, 0}, {0, 118, 0}, {0, 110, 0},  // y
    {0, 8, 110}, {0, 8, 126}, {0, 8, 126}, {0, -8, 110}, {0, -8, 110}, {0, -8, 126},  // z
}};

class LineBatch {
 public:
  LineBatch(const ViewTransform& view, std::vector<LineVertex>& vertices)
      : view_(view), vertices_(vertices) {}

  // One line between two points in generator axes (scene units).
  void add(double x0, double y0, double z0, double x1, double y1, double z1) {
    push(x0, y0, z0);
    push(x1, y1, z1);
  }
  void draw(RenderDevice& device, float grey) {
    device.state.material = SurfaceMaterial{};
    device.state.material.ambient = ColorValue{grey, grey, grey, 1};
    device.drawLines(vertices_.data(), static_cast<int>(vertices_.size()));
    vertices_.clear();
  }

 private:
  void push(double x, double y, double z) {
    view_.apply(x, y, z);
    vertices_.push_back(LineVertex{static_cast<float>(x), static_cast<float>(z), static_cast<float>(y)});
  }
  const ViewTransform& view_;
  std::vector<LineVertex>& vertices_;
};

// Around the selected modifier of the scene's current object.
void addModifierSphere(LineBatch& lines, const Scene& scene, int selected) {
  const ModifierList& list = scene.modifiers[scene.currentObject];
  if (list.count == 0 || selected < 0 || selected >= list.count) return;
  const SceneObject& o = scene.objects[scene.currentObject];
  const Modifier& m = list.entries[selected];
  const double cx = (o.posX + m.p1) / 64.0, cy = (o.posY + m.p2) / 64.0, cz = (o.posZ + m.p3) / 64.0;
  const double radius = std::abs(m.p4) / 64.0;
  const auto at = [&](int r, int c, double& x, double& y, double& z) {
    const double v = kPi * r / kSphereSegments, u = 2 * kPi * c / kSphereSegments;
    x = cx + radius * std::sin(v) * std::cos(u);
    y = cy + radius * std::sin(v) * std::sin(u);
    z = cz + radius * std::cos(v);
  };
  for (int r = 0; r < kSphereSegments; ++r)
    for (int c = 0; c < kSphereSegments; ++c) {
      double x0, y0, z0, x1, y1, z1, x2, y2, z2;
      at(r, c, x0, y0, z0);
      at(r, c + 1, x1, y1, z1);
      at(r + 1, c, x2, y2, z2);
      lines.add(x0, y0, z0, x1, y1, z1);
      lines.add(x0, y0, z0, x2, y2, z2);
    }
}

void addGrid(LineBatch& lines, int mode) {
  for (int k = -kGridHalf; k < kGridHalf; ++k) {
    const double a = k, lo = -kGridHalf, hi = kGridHalf;
    switch (mode) {
      case 1:  // x-z plane
        lines.add(a, 0, lo, a, 0, hi);
        lines.add(lo, 0, a, hi, 0, a);
        break;
      case 2:  // x-y plane
        lines.add(a, lo, 0, a, hi, 0);
        lines.add(lo, a, 0, hi, a, 0);
        break;
      case 3:  // y-z plane
        lines.add(0, a, lo, 0, a, hi);
        lines.add(0, lo, a, 0, hi, a);
        break;
    }
  }
}

void addControlLines(LineBatch& lines, const Scene& scene) {
  for (int i = 0; i < scene.objectCount; ++i) {
    const SceneObject& o = scene.objects[i];
    if (o.controlMode == 0) continue;
    const SceneObject& c = scene.objects[o.controlObject];
    lines.add(o.posX / 64.0, o.posY / 64.0, o.posZ / 64.0, c.posX / 64.0, c.posY / 64.0,
              c.posZ / 64.0);
  }
}

}  // namespace

void drawEditorOverlays(RenderDevice& device, const SceneStore& scenes, const FrameView& view,
                        const RenderSwitches& switches, std::vector<LineVertex>& vertices) {
  FixedFunctionState& state = device.state;
  const int savedTexture = state.texture0;
  const auto savedStages = state.stages;
  state.texture0 = kWhiteTexture;
  state.stages = {};
  device.setBlending(false);
  const Scene& scene = scenes.scenes[view.scene];
  const Camera& camera = view.camera;
  const ViewRotation rotation = ComputeViewRotation(camera);
  const ViewTransform transform(camera, rotation, switches.viewMode);
  LineBatch lines(transform, vertices);

  device.setCullMode(CullMode::None);
  addModifierSphere(lines, scene, scenes.currentModifier);
  lines.draw(device, 1.0f);

  if (switches.gridMode >= 1 && switches.gridMode <= 3) {
    Camera unzoomed = camera;
    unzoomed.zoom = 1;
    const ViewTransform gridTransform(unzoomed, rotation, switches.viewMode);
    LineBatch grid(gridTransform, vertices);
    addGrid(grid, switches.gridMode);
    grid.draw(device, 0.5f);
  }

  device.setDepth(false, false);
  addControlLines(lines, scene);
  lines.draw(device, 1.0f);
  for (int i = 0; i < 5; ++i) {
    const double offset = i / 256.0;
    for (std::size_t k = 0; k + 1 < kAxisLines.size(); k += 2) {
      const auto& a = kAxisLines[k];
      const auto& b = kAxisLines[k + 1];
      lines.add(a[0] / 64.0 + offset, a[1] / 64.0 + offset, a[2] / 64.0 + offset,
                b[0] / 64.0 + offset, b[1] / 64.0 + offset, b[2] / 64.0 + offset);
    }
    lines.draw(device, 0.2f * static_cast<float>(i));
  }
  state.texture0 = savedTexture;
  state.stages = savedStages;
}

}  // namespace tess::gl
