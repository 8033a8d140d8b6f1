#include <gtest/gtest.h>

#include <cmath>

#include "engine/point_generators.hpp"
#include "engine_test_support.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr double kEps = 1e-9;

void expectPoint(const GridPoint& g, double x, double y, double z) {
  EXPECT_NEAR(g.x, x, kEps);
  EXPECT_NEAR(g.y, y, kEps);
  EXPECT_NEAR(g.z, z, kEps);
}

class MeshBuilderTest : public ::testing::Test, protected MeshFixture {};

TEST_F(MeshBuilderTest, UnitSphereHasItsPolesOnTheMainAxis) {
  shape(objtype::Sphere, 4, 4);
  build();
  EXPECT_EQ(mesh->vertexCount, 96);
  EXPECT_EQ(mesh->triangleCount, 32);
  for (int c = 0; c <= 4; ++c) {
    expectPoint(at(0, c), 0, 1, 0);   // +pz pole, stored as Y
    expectPoint(at(4, c), 0, -1, 0);  // -pz pole
  }
  expectPoint(at(2, 1), 0, 0, 1);  // equator at u = 90: py = 1, stored as Z
}

TEST_F(MeshBuilderTest, CylinderWithTwoRowsIsADoubleCone) {
  SceneObject& o = shape(objtype::Cylinder, 4, 2);
  o.sizeY = 128;
  o.sizeZ = 192;
  o.posX = 64;
  build();
  expectPoint(at(0, 1), 1, -3, 0);
  expectPoint(at(2, 3), 1, 3, 0);
  expectPoint(at(1, 0), 1, 0, 2);   // u = 0: px = 0, py = sy
  expectPoint(at(1, 1), 2, 0, 0);   // u = 90: px = sx, py = 0
}

TEST_F(MeshBuilderTest, TorusWithFiveRowsRunsPastAFullTurn) {
  shape(objtype::Torus, 4, 5);
  build();
  // Column 0: q = 2, rows at 0, 90, 180, 270, 360 and 450 degrees.
  expectPoint(at(0, 0), 0, 0, -2);
  expectPoint(at(1, 0), 0, 2, 0);
  expectPoint(at(2, 0), 0, 0, 2);
  expectPoint(at(3, 0), 0, -2, 0);
  expectPoint(at(4, 0), 0, 0, -2);
  expectPoint(at(5, 0), 0, 2, 0);
}

TEST_F(MeshBuilderTest, CubeTypesBuildSixFacesOneAfterAnother) {
  shape(objtype::Cube, 10, 10);
  build();
  EXPECT_EQ(mesh->vertexCount, 3600);
  EXPECT_EQ(mesh->triangleCount, 1200);
  // Face 0, corner (0, 0): U = V = -180, R = 180 gives (sx, sy, -sz) / 64.
  const MeshVertex& v = mesh->vertices[0];
  EXPECT_NEAR(v.x, 1, 1e-6);
  EXPECT_NEAR(v.y, -1, 1e-6);
  EXPECT_NEAR(v.z, 1, 1e-6);
  // Every face's corners lie on the cube of half-edge 1.
  for (int i = 0; i < mesh->vertexCount; ++i) {
    const MeshVertex& p = mesh->vertices[i];
    EXPECT_NEAR(std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)}), 1, 1e-6) << i;
  }
}

TEST_F(MeshBuilderTest, SunAndLampIgnoreTheSize) {
  for (int type : {objtype::Sun, objtype::Lamp}) {
    shape(type, 6, 6, 500);
    build();
    for (int r = 0; r <= 6; ++r)
      for (int c = 0; c <= 6; ++c)
        EXPECT_NEAR(std::hypot(at(r, c).x, at(r, c).y, at(r, c).z), 0.5, kEps);
  }
}

TEST_F(MeshBuilderTest, TrianglesRunABCBDCRowByRow) {
  shape(objtype::Flat, 2, 1);
  object().mosaic1 = 2;
  build();
  ASSERT_EQ(mesh->vertexCount, 12);
  const int expected[6][2] = {{0, 0}, {0, 1}, {1, 0}, {0, 1}, {1, 1}, {1, 0}};
  for (int cell = 0; cell < 2; ++cell) {
    for (int k = 0; k < 6; ++k) {
      const MeshVertex& v = mesh->vertices[6 * cell + k];
      const GridPoint& g = at(expected[k][0], expected[k][1] + cell);
      EXPECT_EQ(v.x, float(g.x));
      EXPECT_EQ(v.z, float(g.z));
      EXPECT_EQ(v.tu, float(g.tu));
      EXPECT_EQ(v.diffuse, kMeshDiffuse);
    }
  }
  EXPECT_FLOAT_EQ(mesh->vertices[1].tu, 1.0f);  // mosaic 2 times u = 0.5
}

TEST_F(MeshBuilderTest, NormalModesScaleTheCrossProduct) {
  const double expectedY[6] = {1, 0, -1, 1, -1, 1};
  for (int mode = 0; mode < 6; ++mode) {
    shape(objtype::Flat, 2, 2).normalMode = static_cast<std::uint8_t>(mode);
    build();
    for (int r = 0; r <= 2; ++r)
      for (int c = 0; c <= 2; ++c) {
        EXPECT_EQ(at(r, c).nx, 0);
        EXPECT_NEAR(at(r, c).ny, expectedY[mode], kEps) << mode;
      }
  }
}

TEST_F(MeshBuilderTest, LastRowAndColumnTakeTheNormalsOfRowAndColumnZero) {
  shape(objtype::Torus, 5, 6);
  build();
  for (int c = 0; c <= 5; ++c) EXPECT_EQ(at(6, c).nz, at(0, c).nz);
  for (int r = 0; r <= 6; ++r) {
    EXPECT_EQ(at(r, 5).nx, at(r, 0).nx);
    EXPECT_EQ(at(r, 5).ny, at(r, 0).ny);
  }
  EXPECT_NEAR(std::hypot(at(2, 3).nx, at(2, 3).ny, at(2, 3).nz), 1, kEps);
}

TEST_F(MeshBuilderTest, NoGeometryOrNoCellsGivesNoVertices) {
  for (int type : {objtype::ZBufferCleaner, objtype::CopyToTexture, objtype::RenderScene,
                   objtype::Fog}) {
    shape(type, 4, 4);
    build();
    EXPECT_EQ(mesh->vertexCount, 0) << type;
  }
  shape(objtype::Sphere, 0, 4);
  build();
  EXPECT_EQ(mesh->vertexCount, 0);
}

TEST_F(MeshBuilderTest, LandscapeSamplesTheBlueChannelAndWrapsTheLastRowAndColumn) {
  TextureImages images;
  TextureImage& image = images.slots[3];
  image.size = 32;
  image.pixels.assign(32 * 32 * 4, 0);
  for (int i = 0; i < 32 * 32; ++i) image.pixels[4 * i] = static_cast<std::uint8_t>(i % 200);
  store->materials[2].displaceMap = 3;
  store->materials[2].displaceDepth = 256;
  shape(objtype::Landscape, 32, 32).material = 2;
  inputs.images = &images;
  build();
  auto height = [&](int row, int col) { return -(256 * 64 * ((row * 32 + col) % 200)) / 16384 / 64.0; };
  EXPECT_EQ(at(5, 7).z, height(5, 7));
  EXPECT_EQ(at(5, 32).z, height(5, 0));
  EXPECT_EQ(at(32, 9).z, height(0, 9));
  image.size = 0;  // no image: flat
  build();
  EXPECT_EQ(at(5, 7).z, 0);
}

TEST_F(MeshBuilderTest, CaptureKeepsTheDisplayedStageButNotRenderTargets) {
  auto textures = std::make_unique<TextureStore>();
  TextureImages images;
  textures->current = 4;
  textures->stage(textures->displayedStage)[0] = 77;
  images.capture(*textures);
  ASSERT_NE(images.image(4), nullptr);
  EXPECT_EQ(images.image(4)->pixels[0], 77);
  textures->currentTexture().type = kTextureRenderTarget;
  images.capture(*textures);
  EXPECT_EQ(images.image(4), nullptr);
  EXPECT_EQ(images.image(-1), nullptr);
}

TEST_F(MeshBuilderTest, ViewRotationLooksAlongTheCameraAxis) {
  Camera camera;
  camera.eyeX = 0, camera.eyeY = -100, camera.eyeZ = 0;  // looking along +py
  const ViewRotation r = ComputeViewRotation(camera);
  EXPECT_NEAR(r.phi, 0, kEps);
  EXPECT_NEAR(r.theta, std::acos(-1) / 2, kEps);
  shape(objtype::Sun, 4, 4);
  inputs.camera = camera;
  inputs.camera.zoom = 2;
  inputs.rotation = r;
  build();
  // The +pz pole ends at view z' = 0, y' = -1 (radius 0.5 times zoom 2).
  expectPoint(at(0, 0), 0, 0, -1);
  inputs.viewMode = ViewMode::Up;
  build();
  expectPoint(at(0, 0), 0, -1, 0);
}

TEST_F(MeshBuilderTest, PostprocessorSkipsScalingChainAndView) {
  SceneObject& o = shape(objtype::Postprocessor, 2, 2);
  o.sizeX = 256, o.sizeY = 192, o.posX = 64, o.controlMode = 1, o.controlObject = 1;
  add(1, modcode::Move, 6400);
  inputs.camera.zoom = 5;
  build();
  expectPoint(at(0, 0), -4 + 1, 0, -3);
  expectPoint(at(2, 2), 4 + 1, 0, 3);
}

// Degenerate inputs: every type, odd sizes and a torus without a ring angle stay finite and
// within the buffers.
TEST_F(MeshBuilderTest, DegenerateObjectsGiveFiniteVertices) {
  for (int type = 0; type <= objtype::TubeLoft2; ++type) {
    if (!typeHasGeometry(type)) continue;
    SceneObject& o = shape(type, 3, 1, -1);
    list().count = 0;
    for (int code = modcode::GlobalTrapezeY; code <= modcode::GlobalSkewZ; ++code)
      add(0, code, 0, 0, 0, 64, 64);
    build();
    for (int i = 0; i < mesh->vertexCount; ++i) {
      const MeshVertex& v = mesh->vertices[i];
      ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) &&
                  std::isfinite(v.nx) && std::isfinite(v.ny) && std::isfinite(v.nz))
          << "type " << type;
    }
    (void)o;
  }
}

TEST_F(MeshBuilderTest, LargestMeshesFitTheVertexBuffer) {
  shape(objtype::LandscapeOnCubePlus, 255, 255);
  build();
  EXPECT_EQ(mesh->vertexCount, 36 * 255 * 255);
  EXPECT_GE(mesh->vertices.size(), std::size_t(mesh->vertexCount));
}

TEST_F(MeshBuilderTest, Loft2TiltsRingsAlongThePath) {
  shape(objtype::TubeLoft2, 4, 3);
  // A path rising in p2 as it advances in p3: both segments at 45 degrees.
  for (int k = 0; k < 4; ++k) add(0, modcode::Empty, 0, 64 * k, 64 * k, 256);
  build();
  // Row 1, u = 0: ring offset y' = sy = 64 tilted by 45 degrees: (0, 64 cos, -64 sin) + path.
  const double s = std::sqrt(0.5);
  expectPoint(at(1, 0), 0, (64.0 * 240 / 360 - 64 - 64 * s + 64) / 64, (64 + 64 * s) / 64);
  // Row 3 (= segV) keeps the last angle; row 0 is not tilted.
  expectPoint(at(3, 0), 0, (64.0 - 64 * s + 192) / 64, (192 + 64 * s) / 64);
  expectPoint(at(0, 0), 0, -1, 1);
}

}  // namespace
}  // namespace tess
