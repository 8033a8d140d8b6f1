#pragma once

#include <array>

#include "scene/scene_types.hpp"

namespace tess::gl {

// The fixed-function states the renderer uses that the shader program evaluates, as the device
// holds them between draws (render states persist until set again).
enum class LightType { Off = 0, Directional = 1, Point = 2 };

struct LightSlot {
  LightType type = LightType::Off;
  ColorValue diffuse, specular, ambient;
  float x = 0, y = 0, z = 0;  // direction or position in stored vertex axes (X, Y, Z)
  float range = 0;
};

inline constexpr int kLightSlots = 8;

// Texture-coordinate source of a stage.
enum class TexCoordSource { Mesh = 0, Reflection = 1, SphereMap = 2 };

// Colour operation of texture stages 1 and 2 (stage 0 always modulates with the lit colour).
enum class StageOp { Disable = 0, Add = 1, Subtract = 2, Modulate = 3 };

struct TextureStage {
  StageOp op = StageOp::Disable;
  TexCoordSource source = TexCoordSource::Mesh;
  int texture = 0;
};

struct FixedFunctionState {
  SurfaceMaterial material;
  std::array<LightSlot, kLightSlots> lights{};
  ColorValue globalAmbient{1, 1, 1, 0};
  bool specular = true;
  bool fog = false;
  ColorValue fogColour;
  float fogStart = 0, fogEnd = 1;
  bool alphaTest = false;  // alpha >= 1 of 255 passes
  int texture0 = 0;
  std::array<TextureStage, 2> stages{};  // stages 1 and 2
  bool orthographic = false;
};

}  // namespace tess::gl
