#include <gtest/gtest.h>

#include <cmath>

#include "gl_test_support.hpp"

namespace tess::testing {
namespace {

// A flat of half-width one unit facing the eye at depth 4, fine enough that a grid point sits on
// the middle pixel (lighting is per vertex). "nrml:-1*" culls nothing.
class FixedFunctionTest : public GlTest {
 protected:
  SceneObject& addFlat(int material) {
    SceneObject& o = add(objtype::Flat);
    o.sizeX = o.sizeY = 64;
    o.segU = o.segV = 16;
    o.normalMode = 3;
    o.material = static_cast<std::uint8_t>(material);
    o.texture = gl::kWhiteTexture;
    SurfaceMaterial& m = scenes_->materials[material].surface;
    m.emissive = ColorValue{0.05f, 0, 0, 0};
    m.ambient = ColorValue{0.2f, 0.1f, 0.05f, 1};
    m.diffuse = ColorValue{0.5f, 0.5f, 0.5f, 1};
    m.specular = ColorValue{0.25f, 0.5f, 0, 1};
    m.power = 4;
    return o;
  }

  // A sun or lamp whose material gives the light's diffuse, specular and ambient colours.
  SceneObject& addLight(int type, int material) {
    SceneObject& o = add(type);
    o.material = static_cast<std::uint8_t>(material);
    SurfaceMaterial& m = scenes_->materials[material].surface;
    m.diffuse = ColorValue{1, 0.5f, 0.25f, 1};
    m.specular = ColorValue{0.5f, 0.5f, 0.5f, 1};
    m.ambient = ColorValue{0.1f, 0.1f, 0.1f, 1};
    return o;
  }

  // Red, green, blue of the middle pixel against emissive + ambient * (1 + 0.1) +
  // diffuse * light * N.L + specular * light * (N.H)^4, all saturated, white texture.
  void expectMiddle(double nl, double nh) {
    frame();
    const auto p = pixel(kWidth / 2, kHeight / 2);
    const double spec = std::pow(nh, 4);
    const double expected[3] = {0.05 + 0.2 * 1.1 + 0.5 * 1.0 * nl + 0.25 * 0.5 * spec,
                                0.1 * 1.1 + 0.5 * 0.5 * nl + 0.5 * 0.5 * spec,
                                0.05 * 1.1 + 0.5 * 0.25 * nl};
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(p[2 - c], std::min(expected[c], 1.0) * 255, 2) << "channel " << c;
  }
};

// The sun stands 4 up and 3 towards the eye: N.L = 3/5 and the half vector with the eye
// direction gives (N.H)^2 = 0.8.
TEST_F(FixedFunctionTest, SunLightsTheFlatByTheFixedFunctionFormula) {
  addFlat(1);
  SceneObject& sun = addLight(objtype::Sun, 2);
  sun.posY = 4 * 32;
  sun.posZ = 3 * 32;
  expectMiddle(0.6, std::sqrt(0.8));
}

// A lamp two units in front of the middle shines straight at it, head-on for the eye as well;
// beyond its range (its size) it adds nothing, not even its ambient colour.
TEST_F(FixedFunctionTest, LampLightsWithinItsRangeOnly) {
  addFlat(1);
  SceneObject& lamp = addLight(objtype::Lamp, 2);
  lamp.posZ = 2 * 64;
  lamp.sizeX = 10 * 64;
  expectMiddle(1, 1);
  lamp.sizeX = 64;
  frame();
  const auto p = pixel(kWidth / 2, kHeight / 2);
  EXPECT_NEAR(p[2], (0.05 + 0.2) * 255, 2);
  EXPECT_NEAR(p[1], 0.1 * 255, 2);
}


// A 32 x 32 texture in quadrants: red where u >= 0.5, blue where v >= 0.5 (the lower rows).
// The flat is unlit (black), so stage 1 adding the texture shows the texel that the generated
// coordinates pick. For a flat facing the eye the reflection vector is (e.x, e.y, -e.z), e the
// unit vector from the eye to the point: 12 pixels right and up of the middle lie 0.6 units
// right and up on the flat, so e.xy = (0.147, 0.147).
TEST_F(FixedFunctionTest, GeneratedCoordinatesPickTheTexelOfTheReflection) {
  TextureImage quadrants;
  quadrants.size = 32;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      quadrants.pixels.insert(quadrants.pixels.end(), {std::uint8_t(y >= 16 ? 255 : 0), 0,
                                                      std::uint8_t(x >= 16 ? 255 : 0), 255});
  device_->uploadTexture(4, quadrants);
  addFlat(1);
  scenes_->materials[1].surface = SurfaceMaterial{};
  scenes_->materials[1].stage1Texture = 4;
  const int right = kWidth / 2 + 12, left = kWidth / 2 - 12;
  const int up = kHeight / 2 - 12, down = kHeight / 2 + 12;
  // Camera-space reflection: (u, v) = r.xy, wrapping below 0.
  // Sphere map: (0.5 + r.x / m, 0.5 - r.y / m), m = 2 |r - (0, 0, 1)|, about 4 here.
  struct Case {
    int mode, x, y, red, blue;
  };
  for (const Case& c : {Case{1, right, up, 0, 0}, {1, left, down, 255, 255}, {1, left, up, 255, 0},
                        {4, right, up, 255, 0}, {4, left, down, 0, 255}, {4, left, up, 0, 0}}) {
    scenes_->materials[1].stage1Blend = static_cast<std::uint8_t>(c.mode);
    frame();
    EXPECT_EQ(red(c.x, c.y), c.red) << c.mode << " at " << c.x << "," << c.y;
    EXPECT_EQ(blue(c.x, c.y), c.blue) << c.mode << " at " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace tess::testing
