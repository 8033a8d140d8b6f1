#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/modifier_engine.hpp"
#include "engine_test_support.hpp"
#include "engine/trig.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

using namespace modcode;

constexpr double kEps = 1e-12;

Modifier entry(int code, int p1 = 0, int p2 = 0, int p3 = 0, int p4 = 0, int p5 = 0) {
  return Modifier{std::int16_t(p1), std::int16_t(p2), std::int16_t(p3), std::int16_t(p4),
                  std::int16_t(p5), std::uint8_t(code)};
}

struct Applied {
  MeshPoint point;
  std::uint8_t weight;
};

// Applies a list to one point of a 4 x 4 grid (row 0, column 1 unless given).
Applied apply(const std::vector<Modifier>& entries, MeshPoint p, double time = 0,
              SceneObject owner = {}, std::uint8_t weight = 1, double r = 0, double c = 1) {
  ModifierList list;
  for (const Modifier& m : entries) list.entries[list.count++] = m;
  ModifierPass pass{owner, GridCell{r, c, 4, 4, &weight}, time};
  ApplyModifiers(list, owner, false, pass, p);
  return {p, weight};
}

void expectPoint(const MeshPoint& p, double x, double y, double z) {
  EXPECT_NEAR(p.px, x, kEps);
  EXPECT_NEAR(p.py, y, kEps);
  EXPECT_NEAR(p.pz, z, kEps);
}

TEST(ModifierEngine, MoveAndGlobalRotations) {
  expectPoint(apply({entry(Move, 64, 128, -64)}, {1, 1, 1}).point, 2, 3, 0);
  expectPoint(apply({entry(GlobalRotateZ, 0, 0, 0, 0, 64)}, {1, 0, 0}).point, 0, 1, 0);
  expectPoint(apply({entry(GlobalRotateX, 0, 0, 0, 0, 64)}, {0, 1, 0}).point, 0, 0, -1);
  expectPoint(apply({entry(GlobalRotateY, 0, 0, 0, 0, 64)}, {1, 0, 0}).point, 0, 0, -1);
  expectPoint(apply({entry(GlobalFlipX), entry(GlobalFlipZ)}, {1, 2, 3}).point, -1, 2, -3);
  const Modifier doubleAll = entry(GlobalZoomXyz, 0, 0, 0, 0, 128);
  const Modifier halveY = entry(GlobalZoomY, 0, 0, 0, 0, 32);
  expectPoint(apply({doubleAll, halveY}, {1, 2, 3}).point, 2, 2, 6);
}

TEST(ModifierEngine, RadiusLimitedEntriesActOnlyInside) {
  // rotate z by 90 degrees about (1, 0, 0), radius 2 (also when given negative).
  for (int radius : {128, -128}) {
    const Modifier rotate = entry(RotateZ, 64, 0, 0, radius, 64);
    expectPoint(apply({rotate}, {2, 0, 0}).point, 1, 1, 0);
    expectPoint(apply({rotate}, {4, 0, 0}).point, 4, 0, 0);
  }
  expectPoint(apply({entry(RotateZ, 0, 0, 0, 0, 64)}, {0, 0, 0}).point, 0, 0, 0);  // R = 0: none
  expectPoint(apply({entry(Extract, 0, 0, 0, 128, 8192)}, {1, 0.5, 0}).point, 0.5, 0.25, 0);
  expectPoint(apply({entry(ZoomXyz, 0, 0, 0, 64, 192)}, {0.5, 0, 0}).point, 1.5, 0, 0);
  const double f = 2 / 1.05;
  expectPoint(apply({entry(Breath, 0, 0, 0, 128, 32)}, {1, 0, 0}).point, f, 0, 0);
  // R < 0: g = (d / 2)^3 = 1/8.
  expectPoint(apply({entry(Breath, 0, 0, 0, -128, 32)}, {1, 0, 0}).point, 0.125, 0, 0);
}

TEST(ModifierEngine, TwistAndBendAngles) {
  const double t = std::sin(radians(80));
  expectPoint(apply({entry(TwistZ, 0, 0, 0, 128, 64)}, {1, 0, 0}).point, std::cos(t), std::sin(t),
              0);
  expectPoint(apply({entry(SinBendX, 0, 0, 0, 128, 64)}, {1, 0, 0}).point, std::cos(t), 0,
              std::sin(t));
  const double b = 3 * std::sin(radians(4 * 2 * 1));
  expectPoint(apply({entry(BendX, 0, 0, 0, 128, 64)}, {1, 0, 0}).point, std::cos(b), 0,
              std::sin(b));
  expectPoint(apply({entry(RotateX, 0, 0, 0, 128, 64)}, {0, 1, 0}).point, 0, 0, -1);
}

TEST(ModifierEngine, LimiterTrapezeSkewAndBottle) {
  expectPoint(apply({entry(Limiter, 0, 0, 0, 64)}, {3, -2, 0.5}).point, 1, -1, 0.5);
  SceneObject owner;
  owner.sizeY = 63;
  expectPoint(apply({entry(GlobalTrapezeY, 0, 0, 0, 0, 64)}, {1, 1, 1}, 0, owner).point, 97.0 / 64,
              1, 1);
  owner.sizeY = 32;
  expectPoint(apply({entry(GlobalSkewX, 0, 0, 0, 0, 64)}, {1, 2, 0}, 0, owner).point, 3, 2, 0);
  // A size of -1 divides by 1, like size 0.
  owner.sizeY = -1;
  expectPoint(apply({entry(GlobalSkewX, 0, 0, 0, 0, 64)}, {1, 2, 0}, 0, owner).point, 67, 2, 0);
  expectPoint(apply({entry(Bottle, 0, 0, 0, 128, 64)}, {1, 0, 1}).point, 1, 1, 1);
  expectPoint(apply({entry(Bottle2, 0, 0, 0, 0, 64)}, {1, 0.5, 1}).point, 1, 0.5, 1);
  expectPoint(apply({entry(Bottle2, 0, 0, 0, 0, 64)}, {1, 2, 1}).point, 1, 2.5, 1);
}

TEST(ModifierEngine, GridWavesUseRealGridQuotients) {
  // Row 0, column 1 of 4: phi = 4 * R * 1.40625 degrees; R = 4 gives 22.5 degrees.
  const double phi = radians(22.5);
  expectPoint(apply({entry(GridWaves1, 0, 0, 0, 256, 64)}, {0, 0, 0}).point, std::sin(phi),
              std::cos(phi), 0);
  const MeshPoint t = apply({entry(TextureWaves, 0, 0, 0, 256, 64)}, {}).point;
  EXPECT_NEAR(t.tu0, std::sin(phi) / 8, kEps);
  EXPECT_NEAR(t.tv0, std::cos(phi) / 8, kEps);
}

TEST(ModifierEngine, TextureCoordinateEntries) {
  MeshPoint p{2, 4, 6, 1, 0};
  MeshPoint r = apply({entry(TextureRotate, 0, 0, 0, 0, 64)}, p).point;
  EXPECT_NEAR(r.tu0, 0, kEps);
  EXPECT_NEAR(r.tv0, 1, kEps);
  r = apply({entry(FrontMappingXZ, 0, 0, 0, 64, 128)}, p).point;
  EXPECT_EQ(r.tu0, 1);
  EXPECT_EQ(r.tv0, 6);
  r = apply({entry(TextureMove, 0, 0, 0, 64, 128)}, p).point;
  EXPECT_EQ(r.tu0, 1.5);
  EXPECT_EQ(r.tv0, 1);
  r = apply({entry(TextureZoom, 0, 0, 0, 256, 64)}, p).point;
  EXPECT_EQ(r.tu0, 2);
}

TEST(ModifierEngine, AnimaModesFollowTime) {
  const Modifier speed = entry(AnimaSpeed, 256), move = entry(Move);
  EXPECT_NEAR(apply({speed, entry(AnimaSine, 64), move}, {}, 1.0).point.px, std::sin(1.0), kEps);
  EXPECT_NEAR(apply({speed, entry(AnimaAbsSine, 64), move}, {}, 4.0).point.px,
              std::fabs(std::sin(4.0)), kEps);
  // Cycle: w = trunc(64 * 1 * 256) & 0xFFFF = 16384; 16384 * 64 / 2^21 - 1 = -0.5.
  EXPECT_NEAR(apply({speed, entry(AnimaCycle, 64), move}, {}, 1.0).point.px, -0.5, kEps);
  // Phase 64 is a quarter turn.
  EXPECT_NEAR(apply({entry(AnimaPhase, 64), entry(AnimaSine, 64), move}, {}, 0).point.px, 1, kEps);
  // The state does not outlive the list.
  EXPECT_EQ(apply({move}, {}, 1.0).point.px, 0);
  EXPECT_EQ(modifierTime(65535 + 1000), 1000 * 0.0030679618939757347);
}

TEST(ModifierEngine, UnselectedPointsSkipAllButSelectionEntries) {
  const Applied off =
      apply({entry(AnimaSpeed, 256), entry(AnimaSine, 64), entry(Move, 64)}, {}, 1.0, {}, 0);
  EXPECT_EQ(off.point.px, 0);
  const Applied back = apply({entry(Move, 64), entry(SelectAll), entry(Move, 64)}, {}, 0, {}, 0);
  EXPECT_EQ(back.point.px, 1);
  EXPECT_EQ(apply({entry(InvertSelection)}, {}, 0, {}, 0).weight, 1);
  EXPECT_EQ(apply({entry(NewSelection, 0, 0, 0, 64)}, {2, 0, 0}).weight, 0);
  EXPECT_EQ(apply({entry(SelectionAdd, 0, 0, 0, 64)}, {0.5, 0, 0}, 0, {}, 0).weight, 1);
}

class ModifierMeshTest : public ::testing::Test, protected MeshFixture {};

TEST_F(ModifierMeshTest, NoiseSelectionKeepsOddRowsAndColumns) {
  shape(objtype::Flat, 4, 4);
  add(0, SelectAll);
  add(0, NoiseSelection);
  add(0, Move, 640);
  build();
  for (int r = 0; r <= 4; ++r)
    for (int c = 0; c <= 4; ++c) {
      const double plain = 1 - c / 2.0;
      EXPECT_EQ(at(r, c).x, plain + ((r % 2 && c % 2) ? 10 : 0)) << r << "," << c;
    }
}

TEST_F(ModifierMeshTest, DeselectedPointsWaitForSelectAll) {
  shape(objtype::Flat, 2, 2);
  add(0, SelectionSubtract, 64, 0, 0, 32, 0);  // deselect around (1, 0, 0): column 0
  add(0, Move, 640);
  add(0, SelectAll);
  add(0, Move, 640);
  build();
  EXPECT_EQ(at(1, 0).x, 1 + 10);
  EXPECT_EQ(at(1, 1).x, 0 + 20);
}

TEST_F(ModifierMeshTest, ControlChainsStopAtVisitedObjects) {
  shape(objtype::Flat, 1, 1);
  scene().objectCount = 3;
  add(0, Move, 64);
  add(1, Move, 128);
  add(2, Move, 256);
  object(0).controlMode = 1, object(0).controlObject = 1;
  object(1).controlMode = 1, object(1).controlObject = 2;
  object(2).controlMode = 1, object(2).controlObject = 1;  // back to a visited object
  build();
  EXPECT_EQ(at(0, 0).x, 1 + 7);
  object(2).controlObject = 0;  // back to the origin
  build();
  EXPECT_EQ(at(0, 0).x, 1 + 7);
  object(1).controlMode = 0;
  build();
  EXPECT_EQ(at(0, 0).x, 1 + 3);
}

TEST_F(ModifierMeshTest, GlobalControlActsInSceneCoordinatesAndMoves) {
  shape(objtype::Flat, 1, 1).posX = 64;
  object(1).posX = 640;
  add(1, GlobalZoomX, 0, 0, 0, 0, 128);  // px times 2
  object(0).controlObject = 1;
  object(0).controlMode = 2;
  build();
  // px 1: (1 + 1) * 2 - 1 = 3, plus the control object's 10, plus the own position 1.
  EXPECT_EQ(at(0, 0).x, 14);
  object(0).controlMode = 1;
  build();
  EXPECT_EQ(at(0, 0).x, 2 + 1);
}

}  // namespace
}  // namespace tess
