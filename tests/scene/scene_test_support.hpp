#pragma once

// Helpers for scene tests: a whole project on the heap, a sample project that uses every stored
// field at its extremes, and comparisons of what a pack stores.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "scene/complex_pack_text.hpp"
#include "scene/project.hpp"
#include "scene/scene_codes.hpp"
#include "texture/operation_table.hpp"
#include "test_project.hpp"
#include "texture/texture_text.hpp"

namespace tess::testing {

// Plain write without the atomic save's fsync, for tests that write many files.
inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string printableExceptSemicolon() {
  std::string text;
  for (char c = 32; c < 127; ++c)
    if (c != ';') text += c;
  return text;
}

inline Modifier modifier(int p1, int p2, int p3, int p4, int p5, int code) {
  return {static_cast<std::int16_t>(p1), static_cast<std::int16_t>(p2),
          static_cast<std::int16_t>(p3), static_cast<std::int16_t>(p4),
          static_cast<std::int16_t>(p5), static_cast<std::uint8_t>(code)};
}

// Three scenes (the middle one empty), materials, cameras, textures and tracker rows with values
// at the edges of their fields.
inline void fillSampleProject(TestProject& p) {
  SceneStore& s = *p.scenes;
  s.fontName = "a much longer font name.wbmp";
  s.sceneCount = 3;
  Scene& first = p.scene(0);
  first.objectCount = 4;
  first.objects[0] = {-32768, 32767, -1,  -300, 32767, -32768, 21, 255, 0,
                      255,    7,     254, 255,  6,     5,      3,  2};
  first.objects[1] = {32767, -32768, 0, 255, 256, -256, 20, 1, 2, 3, 4, 5, 6, 1, 2, 0, 1};
  first.objects[2] = {127, -129, 300, -1, 0, 1, 8, 32, 32, 1, 1, 0, 9, 0, 0, 1, 1};
  first.objects[3].texture = 250;
  first.modifiers[0].count = 64;
  for (int k = 0; k < 64; ++k)
    first.modifiers[0].entries[k] = modifier(-32768 + k, 32767 - k, -k, k * 500, -k * 511, k);
  first.modifiers[2].count = 2;
  first.modifiers[2].entries[0] = modifier(-1, -2, -3, -4, -5, 62);
  first.modifiers[2].entries[1] = modifier(1, 2, 3, 4, 5, 255);
  first.clones[0] = {12, 255, -32768, 32767};
  first.clones[1] = {6, 3, -19999, 19999};
  first.currentObject = 2;
  p.scene(1).objectCount = 0;
  Scene& last = p.scene(2);
  last.objectCount = 1;
  last.objects[0].type = objtype::Lamp;
  last.clones[0] = {1, 0, 5, -5};

  Material& m = s.materials[0];
  m.surface.diffuse = {255 / 64.0f, 0, -1 / 64.0f, 0};
  m.surface.specular = {1, 0.5f, 0.25f, 0};
  m.surface.ambient = {3 / 64.0f, 2 / 64.0f, 1 / 64.0f, 0};
  m.surface.power = 0;
  m.displaceMap = -5;
  m.displaceDepth = -100000;
  m.stage1Texture = 255;
  m.stage1Blend = 9;
  m.stage2Texture = 253;
  m.stage2Blend = 255;
  m.name = printableExceptSemicolon();
  s.materials[254].name = "last";
  s.materials[254].displaceMap = 0;

  s.cameras[0] = {1, -2, 3, -40000, 50000, 100, 0.29, 0.5};
  s.cameras[253] = {0, 0, 0, 0, 0, 0, -1.57, 255 / 64.0};

  std::vector<Texture>& slots = p.textures->slots;
  slots[0].name = "first";
  slots[0].commands[1].op = texop::Invert;
  slots[0].stageCount = 2;
  slots[3].size = 64;
  slots[3].type = kTextureRenderTarget;
  slots[3].name = "soundtrack_1";
  slots[253].name = "kept since the reader reads all 254";
  slots[253].commands[1].op = texop::DrwTxt;
  slots[253].commands[1].params = {1, 2, 14};
  slots[253].commands[1].text = "HI, THERE";
  slots[253].stageCount = 2;

  p.tracker.events[0] = {1, 2, 3, 4, 5};
  p.tracker.events[999] = {255, 255, 255, 255, 255};
  p.tracker.sound = std::string(kSoundTextMax, 'x');
}

inline void expectSameStoredProject(const TestProject& a, const TestProject& b) {
  const SceneStore& x = *a.scenes;
  const SceneStore& y = *b.scenes;
  EXPECT_EQ(x.fontName, y.fontName);
  ASSERT_EQ(x.sceneCount, y.sceneCount);
  for (int s = 0; s < x.sceneCount; ++s) {
    const Scene& sx = x.scenes[s];
    const Scene& sy = y.scenes[s];
    ASSERT_EQ(sx.objectCount, sy.objectCount) << "scene " << s;
    for (int i = 0; i < sx.objectCount; ++i) {
      EXPECT_EQ(sx.objects[i], sy.objects[i]) << "scene " << s << " object " << i;
      EXPECT_EQ(sx.clones[i], sy.clones[i]) << "scene " << s << " object " << i;
      ASSERT_EQ(sx.modifiers[i].count, sy.modifiers[i].count);
      for (int k = 0; k < sx.modifiers[i].count; ++k)
        EXPECT_EQ(sx.modifiers[i].entries[k], sy.modifiers[i].entries[k]);
    }
  }
  for (int m = 0; m < kMaterialCount; ++m)
    EXPECT_EQ(x.materials[m], y.materials[m]) << "material " << m;
  for (int c = 0; c < kPackCameraSlots; ++c)
    EXPECT_EQ(x.cameras[c], y.cameras[c]) << "camera " << c;
  for (int t = 0; t < kPackTextureEntries; ++t)
    EXPECT_EQ(textureText(a.textures->slots[t]), textureText(b.textures->slots[t]))
        << "texture " << t;
  EXPECT_EQ(a.tracker, b.tracker);
}

}  // namespace tess::testing
