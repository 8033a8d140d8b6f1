// The material editor's model: slider and swatch scales, stepping, reset, names and pickers.
#include "editor/material_editor_model.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_session.hpp"
#include "editor/texture_picker_names.hpp"

namespace tess {
namespace {

// A session with the model and the changes it published.
struct MaterialEditorTest : ::testing::Test {
  MaterialEditorTest() {
    session.subscribe([this](Changes changes) { published.push_back(changes); });
  }
  Material& material() { return session.scenes().materials[session.scenes().currentMaterial]; }

  EditorSession session;
  MaterialEditorModel model{session};
  std::vector<Changes> published;
};

TEST_F(MaterialEditorTest, SlidersStoreSixtyFourthsAndSwatchesShowTwoHundredFiftySixths) {
  EXPECT_TRUE(model.setColourSlider(LightingColour::Diffuse, 0, 64));
  EXPECT_EQ(material().surface.diffuse.r, 1.0f);
  EXPECT_EQ(model.swatch(LightingColour::Diffuse), (ColourBytes{255, 0, 0}));
  model.setColourSlider(LightingColour::Diffuse, 0, 255);
  EXPECT_EQ(material().surface.diffuse.r, 3.984375f);
  EXPECT_EQ(model.swatch(LightingColour::Diffuse).red, 255);
  EXPECT_EQ(model.colourSlider(LightingColour::Diffuse, 0), 255);

  material().surface.power = 10;
  model.setPowerSlider(0);
  EXPECT_EQ(material().surface.power, 255.0f);
  model.setPowerSlider(200);
  EXPECT_EQ(material().surface.power, 55.0f);
  EXPECT_EQ(model.powerSlider(), 200);

  // A picked white is 255 / 256, which the slider shows as 63.
  EXPECT_TRUE(model.pickColour(LightingColour::Specular, {255, 255, 255}));
  EXPECT_EQ(material().surface.specular.g, 0.99609375f);
  EXPECT_EQ(model.colourSlider(LightingColour::Specular, 1), 63);
  EXPECT_EQ(model.swatch(LightingColour::Specular), (ColourBytes{255, 255, 255}));

  // Moving one slider leaves what the others cannot show as it was.
  material().displaceDepth = 1000;
  model.setColourSlider(LightingColour::Specular, 0, 10);
  EXPECT_EQ(material().surface.specular.g, 0.99609375f);
  EXPECT_EQ(material().displaceDepth, 1000);
  EXPECT_EQ(model.depthSlider(), 255);

  // One notification per edit; an edit to the same value or out of range publishes nothing.
  EXPECT_EQ(published.size(), 6u);
  EXPECT_TRUE(published.back().has(Change::Materials));
  EXPECT_FALSE(model.setPowerSlider(200));
  EXPECT_FALSE(model.setDepthSlider(256));
  EXPECT_FALSE(model.setColourSlider(LightingColour::Ambient, 3, 1));
  EXPECT_EQ(published.size(), 6u);
}

TEST_F(MaterialEditorTest, SteppingStaysInRangeAndRaisesTheDisplaceMap) {
  session.scenes().currentMaterial = 254;
  EXPECT_FALSE(model.next());
  EXPECT_EQ(model.number(), 254);
  EXPECT_TRUE(published.empty());

  material().stage1Blend = 4;
  material().stage2Texture = 9;
  material().name = "chrome";
  material().surface.ambient.a = 0.5f;
  EXPECT_TRUE(model.resetAllParams());
  EXPECT_EQ(material().displaceMap, 0);
  EXPECT_EQ(material().surface.power, 0.0f);
  EXPECT_EQ(model.powerSlider(), 255);
  EXPECT_EQ(material().stage1Blend, 4);
  EXPECT_EQ(material().stage2Texture, 9);
  EXPECT_EQ(material().name, "chrome");
  EXPECT_EQ(material().surface.ambient.a, 0.5f);

  EXPECT_TRUE(model.previous());
  EXPECT_TRUE(model.next());
  EXPECT_EQ(material().displaceMap, 1);
  EXPECT_TRUE(published.back().has(Change::CurrentMaterial));
  EXPECT_TRUE(published.back().has(Change::Materials));

  session.scenes().currentMaterial = 0;
  EXPECT_FALSE(model.previous());
}

TEST_F(MaterialEditorTest, NamesAreCutToFitAndPickersStoreOnlyRealEntries) {
  EXPECT_TRUE(model.setName(std::string(150, 'x')));
  EXPECT_EQ(material().name.size(), 99u);
  // A character that would not fit whole is left out.
  model.setName(std::string(98, 'x') + "\xC3\xA9");
  EXPECT_EQ(material().name, std::string(98, 'x'));
  EXPECT_TRUE(published.back().has(Change::Materials));

  EXPECT_TRUE(model.setStageBlend(2, 9));
  EXPECT_EQ(material().stage2Blend, 9);
  EXPECT_FALSE(model.setStageBlend(2, 10));
  EXPECT_FALSE(model.setStageBlend(3, 1));
  EXPECT_TRUE(model.setStageTexture(1, 254));
  EXPECT_EQ(material().stage1Texture, 254);
  EXPECT_FALSE(model.setStageTexture(1, 255));
  EXPECT_TRUE(model.setDisplaceMap(7));
  EXPECT_EQ(material().displaceMap, 7);
  EXPECT_FALSE(model.setDisplaceMap(-1));

  session.textures().slots[3].name = "bricks";
  const std::vector<std::string> names = texturePickerNames(session.textures());
  ASSERT_EQ(names.size(), 255u);
  EXPECT_EQ(names[3], "bricks");
  EXPECT_EQ(names[254], "254");
}

}  // namespace
}  // namespace tess
