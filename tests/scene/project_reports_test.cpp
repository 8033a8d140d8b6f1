#include "scene/project_reports.hpp"

#include <gtest/gtest.h>

#include "scene_test_support.hpp"

namespace tess {
namespace {

std::string numbers(int from, int to, int skip = -1) {
  std::string text;
  for (int n = from; n <= to; ++n)
    if (n != skip) text += std::to_string(n) + ",";
  return text;
}

TEST(TexturesPack, WritesEveryTextureUpToTheHighestReferencedOneIncluded) {
  testing::TestProject p;
  SceneStore& s = *p.scenes;
  s.materials[0].displaceMap = 0;
  EXPECT_EQ(texturesPackText(s, p.textures->slots), "1,0,1,");  // only texture 0 is referenced

  Scene& scene = p.scene(0);
  scene.objectCount = 2;
  scene.objects[1].texture = 1;
  scene.objects[1].material = 1;
  s.materials[1].stage2Texture = 3;
  s.materials[2].displaceMap = 200;  // no object uses material 2
  Texture& text = p.textures->slots[3];
  text.size = 256;
  text.type = kTextureRenderTarget;
  text.commands[1] = {texop::DrwTxt, {10, 20, 14}, "A\xc3\xa9"};
  text.commands[2] = {texop::Blur, {3, 4, 99}, ""};
  text.stageCount = 3;
  EXPECT_EQ(highestReferencedTexture(s), 3);
  scene.objects[0].material = 255;  // names no slot: every material counts, material 2 too
  EXPECT_EQ(highestReferencedTexture(s), 200);
  scene.objects[0].material = 0;
  EXPECT_EQ(texturesPackText(s, p.textures->slots),
            "1,0,1,1,0,1,1,0,1,3,1,8,15,10,20,14,65,-61,-87,0,23,3,4,");
}

TEST(Statistic, NamesTheCodesNothingUses) {
  testing::TestProject p;
  EXPECT_EQ(statisticText(*p.scenes, p.textures->slots),
            "unused texture commands:" + numbers(1, 51) + "unused objects:" + numbers(1, 21) +
                "unused modifers:" + numbers(0, 62));

  p.textures->slots[254].commands[1].op = texop::Blur;
  p.textures->slots[254].stageCount = 2;
  p.textures->slots[7].commands[1].op = texop::Invert;  // beyond the stage count: unused
  Scene& scene = p.scene(0);
  scene.objectCount = 2;
  scene.objects[1].type = objtype::Fog;
  scene.modifiers[1].count = 1;
  scene.modifiers[1].entries[0].code = 62;
  scene.modifiers[1].entries[1].code = 5;
  p.scene(1).objects[0].type = objtype::Lamp;  // scene 1 is not in use
  const std::string text = statisticText(*p.scenes, p.textures->slots);
  EXPECT_EQ(text, "unused texture commands:" + numbers(1, 51, texop::Blur) +
                      "unused objects:" + numbers(1, 20) + "unused modifers:" + numbers(0, 61));
}

}  // namespace
}  // namespace tess
