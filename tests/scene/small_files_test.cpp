#include <gtest/gtest.h>

#include "scene/material_file.hpp"
#include "scene/scene_layer_file.hpp"
#include "scene/scene_operations.hpp"
#include "scene_test_support.hpp"
#include "test_folder.hpp"

namespace tess {
namespace {

class SmallFiles : public ::testing::Test {
 protected:
  std::filesystem::path file(const char* name) const { return folder_.path() / name; }

  TestFolder folder_;
  testing::TestProject p_;
};

TEST_F(SmallFiles, SceneLayerMovesAScenesObjectsModifiersAndFirstCloneCoefficients) {
  testing::fillSampleProject(p_);
  SceneStore& s = *p_.scenes;
  ASSERT_TRUE(saveSceneLayer(s, file("layer.tsl")).ok());
  const Scene source = p_.scene(0);

  ASSERT_TRUE(selectScene(s, 2));
  p_.scene(2).clones[0].cloneCoeff2 = 1234;
  p_.scene(2).clones[1].cloneCoeff2 = -1234;
  p_.scene(2).currentObject = 0;
  s.snapshotCounter = 9;
  ASSERT_TRUE(loadSceneLayer(p_.project, file("layer.tsl")).ok());
  const Scene& target = p_.scene(2);
  ASSERT_EQ(target.objectCount, source.objectCount);
  for (int i = 0; i < source.objectCount; ++i) {
    EXPECT_EQ(target.objects[i], source.objects[i]);
    ASSERT_EQ(target.modifiers[i].count, source.modifiers[i].count);
    for (int k = 0; k < source.modifiers[i].count; ++k)
      EXPECT_EQ(target.modifiers[i].entries[k], source.modifiers[i].entries[k]);
    EXPECT_EQ(target.clones[i].cloneCount, source.clones[i].cloneCount);
    EXPECT_EQ(target.clones[i].cloneType, source.clones[i].cloneType);
    EXPECT_EQ(target.clones[i].cloneCoeff1, source.clones[i].cloneCoeff1);
  }
  EXPECT_EQ(target.clones[0].cloneCoeff2, 1234);  // not stored in a layer
  EXPECT_EQ(target.clones[1].cloneCoeff2, -1234);
  EXPECT_EQ(target.currentObject, 0);
  EXPECT_EQ(s.currentModifier, 63);  // object 0's last modifier
  EXPECT_EQ(s.snapshotCounter, 1);
  EXPECT_EQ(p_.scene(0).objectCount, 4);  // other scenes untouched
}

TEST_F(SmallFiles, SceneLayerLayout) {
  Scene& scene = p_.scene(0);
  scene.modifiers[0].count = 1;
  scene.modifiers[0].entries[0] = testing::modifier(1, -2, 3, -4, 5, 6);
  scene.clones[0] = {2, 3, -4, 99};
  EXPECT_EQ(sceneLayerText(scene),
            "1,\n1,\n1,\n0,\n0,\n32,\n32,\n0,\n64,\n0,\n64,\n0,\n64,\n0,\n0,\n128,\n0,\n128,\n0,"
            "\n128,\n0,\n0,\n\n0,\n\n0,\n\n"
            "\n1,1,-2,3,-4,5,6,\n\nclones\n3,2,-4,\n");  // count, type, first coefficient
}

TEST_F(SmallFiles, DamagedLayerFailsNamingTheFileAndChangesNothing) {
  ASSERT_TRUE(writeFileAtomically(file("bad.tsl"), "256,\n").ok());
  Status status = loadSceneLayer(p_.project, file("bad.tsl"));
  EXPECT_NE(status.message.find("bad.tsl"), std::string::npos);
  EXPECT_NE(status.message.find("object count 256"), std::string::npos);
  EXPECT_EQ(p_.scene(0).objectCount, 1);
  EXPECT_FALSE(loadSceneLayer(p_.project, file("missing.tsl")).ok());
}

TEST_F(SmallFiles, MaterialFileIsOneLineForTheCurrentMaterial) {
  testing::fillSampleProject(p_);
  SceneStore& s = *p_.scenes;
  ASSERT_TRUE(saveMaterial(s, file("m.tmt")).ok());
  std::string text;
  ASSERT_TRUE(readWholeFile(file("m.tmt"), text).ok());
  EXPECT_EQ(text, "255,0,-1,64,32,16,3,2,1,0,-5,-100000,9,255,255,253,mname=" +
                      testing::printableExceptSemicolon() + ";\n");

  s.currentMaterial = 200;
  ASSERT_TRUE(loadMaterial(s, file("m.tmt")).ok());
  EXPECT_EQ(s.materials[200], s.materials[0]);
  EXPECT_EQ(s.materials[201], Material{});

  ASSERT_TRUE(
      writeFileAtomically(file("semi.tmt"), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,mname=a;b;\n")
          .ok());
  ASSERT_TRUE(loadMaterial(s, file("semi.tmt")).ok());
  EXPECT_EQ(s.materials[200].name, "a");  // a name ends at its first ";"
  EXPECT_EQ(s.materials[200].surface.diffuse.r, 1 / 64.0f);
  EXPECT_EQ(s.materials[200].surface.power, 10.0f);

  ASSERT_TRUE(writeFileAtomically(file("noname.tmt"), "1,2,3,\n").ok());
  Status status = loadMaterial(s, file("noname.tmt"));
  EXPECT_NE(status.message.find("noname.tmt"), std::string::npos);
  EXPECT_EQ(s.materials[200].name, "a");
}

}  // namespace
}  // namespace tess
