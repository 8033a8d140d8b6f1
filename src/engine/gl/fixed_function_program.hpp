#pragma once

#include <string>

#include "engine/gl/fixed_function_state.hpp"

namespace tess::gl {

// The one GLSL program that draws like the fixed-function pipeline: the fixed view, the
// perspective or orthographic projection (with Direct3D 9's depth range and pixel
// centres), per-vertex lighting, three texture stages with coordinate generation, linear vertex
// fog and alpha test. Needs a current 3.3 context.
class FixedFunctionProgram {
 public:
  bool create(int width, int height, std::string& error);
  void release();

  // Makes the program current and loads every uniform from the state; device textures are bound
  // by the caller to units 0..2.
  void apply(const FixedFunctionState& state) const;

 private:
  struct Uniforms {
    int projection, pixelOffset;
    int diffuse, ambient, specular, emissive, power, globalAmbient, specularOn;
    int lightType, lightDiffuse, lightSpecular, lightAmbient, lightVector, lightRange;
    int texSource, stageOp, fogOn, fogColour, fogStart, fogEnd, alphaTest;
  };
  unsigned program_ = 0;
  Uniforms u_{};
  float pixelOffset_[2] = {0, 0};
};

}  // namespace tess::gl
