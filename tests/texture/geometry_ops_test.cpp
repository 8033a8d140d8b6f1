// Shapes, particles, sprites and RenderScene: pixel values worked out by hand.

#include <gtest/gtest.h>

#include "op_test_support.hpp"
#include "texture/operation_table.hpp"

namespace tess {
namespace {

using testing::fillStage;
using testing::pixel;
using testing::Bgra;
using testing::runOnPattern;
using testing::stageBytes;

Bgra previous(const TextureStore& store, int row, int column) { return pixel(store, 0, row, column); }

Bgra withColour(Bgra p, std::uint8_t red, std::uint8_t green, std::uint8_t blue) { return {blue, green, red, p[3]}; }

TEST(Box, CoversItsRowsAndColumnsScaledBy255) {
  // Size 32, centre 128, extent 64: start 32 * 96 / 255 = 12, 64 * 32 / 255 = 8 rows and columns.
  auto store = runOnPattern(32, texop::Box, {128, 128, 64, 64, 10, 20, 30});
  EXPECT_EQ(pixel(*store, 1, 12, 12), withColour(previous(*store, 12, 12), 10, 20, 30));
  EXPECT_EQ(pixel(*store, 1, 19, 19), withColour(previous(*store, 19, 19), 10, 20, 30));
  EXPECT_EQ(pixel(*store, 1, 11, 15), previous(*store, 11, 15));
  EXPECT_EQ(pixel(*store, 1, 15, 20), previous(*store, 15, 20));

  // Start 32 * (0 - 32) / 255 truncates toward zero to -4: rows and columns 0..3.
  auto corner = runOnPattern(32, texop::Box, {0, 0, 64, 64, 10, 20, 30});
  EXPECT_EQ(pixel(*corner, 1, 3, 3), withColour(previous(*corner, 3, 3), 10, 20, 30));
  EXPECT_EQ(pixel(*corner, 1, 4, 0), previous(*corner, 4, 0));

  auto empty = runOnPattern(32, texop::Box, {128, 128, 0, 64, 10, 20, 30});
  EXPECT_EQ(stageBytes(*empty, 1), stageBytes(*empty, 0));
}

TEST(Circle, FillsPixelsStrictlyInsideTheRadius) {
  // Size 32: centre 128 * 32 / 255 = 16, radius 16 * 32 / 255 = 2: the 3 x 3 block around it.
  auto store = runOnPattern(32, texop::Circle, {128, 128, 16, 1, 2, 3});
  for (int row = 15; row <= 17; ++row)
    for (int column = 15; column <= 17; ++column)
      EXPECT_EQ(pixel(*store, 1, row, column), withColour(previous(*store, row, column), 1, 2, 3));
  EXPECT_EQ(pixel(*store, 1, 14, 16), previous(*store, 14, 16));  // distance^2 4 is not < 4
  EXPECT_EQ(pixel(*store, 1, 16, 18), previous(*store, 16, 18));
}

TEST(AddParticle, AddsTheWeightedColourOffsetToPrev) {
  auto run = [](int fadeOut) {
    auto store = testing::makeStore(256);
    fillStage(*store, 0, {100, 100, 100, 77});
    OpParams params{128, 128, 128, 0, 255, 128, fadeOut};
    runTextureOp(*store, texop::AddParticle, params);
    return store;
  };
  auto strong = run(255);  // weight 1 at the centre: +252.02 blue, -254 green, red + 0
  EXPECT_EQ(pixel(*strong, 1, 128, 128), (Bgra{255, 0, 100, 77}));
  EXPECT_EQ(pixel(*strong, 1, 0, 0), (Bgra{100, 100, 100, 77}));  // beyond the radius: weight 0
  auto faint = run(1);     // weight 128 * 128 / 1024 / 129 = 0.124 at the centre
  EXPECT_EQ(pixel(*faint, 1, 128, 128), (Bgra{131, 68, 100, 77}));
}

TEST(AddSprite, AddsTheRotorZoomedStageWithSaturation) {
  // Working stage 3 over a uniform stage 2; the sprite is the patterned stage 1.
  auto store = testing::makeStore(256);
  testing::fillPattern(*store, 1);
  fillStage(*store, 2, {10, 20, 30, 40});
  store->workingStage = 3;
  OpParams identity{128, 128, 1, 64, 0};  // at 256 the rotor-zoom identity
  runTextureOp(*store, texop::AddSprite, identity);
  for (int row : {0, 77, 255}) {
    for (int column : {0, 130, 255}) {
      const Bgra sprite = pixel(*store, 1, row, column);
      const Bgra expected{std::uint8_t(std::min(sprite[0] + 10, 255)), std::uint8_t(std::min(sprite[1] + 20, 255)),
                           std::uint8_t(std::min(sprite[2] + 30, 255)), 40};
      EXPECT_EQ(pixel(*store, 3, row, column), expected);
    }
  }

  OpParams zoomZero{128, 128, 0, 0, 0};  // stage 0 means stage 1; zoom 0: its pixel at (128, 128)
  runTextureOp(*store, texop::AddSprite, zoomZero);
  const Bgra centre = pixel(*store, 1, 128, 128);
  EXPECT_EQ(pixel(*store, 3, 3, 250)[kGreen], std::min(centre[kGreen] + 20, 255));
}

TEST(AddSprite, StageNumberPastTheStageAreaReadsTheLastStageInside) {
  // At 1024 stages 0..21 fit the stage area.
  auto store = testing::makeStore(1024);
  fillStage(*store, 0, {1, 2, 3, 4});
  fillStage(*store, 21, {50, 60, 70, 80});
  OpParams params{128, 128, 200, 64, 0};
  runTextureOp(*store, texop::AddSprite, params);
  EXPECT_EQ(pixel(*store, 1, 512, 512), (Bgra{51, 62, 73, 4}));
}

// A font whose "A" (glyph 14) has ink at the top left and bottom right, and "?" (glyph 1) a
// full top row.
BitmapFont markerFont() {
  BitmapFont font;
  const std::size_t a = BitmapFont::kHeaderBytes + 14 * 32, question = BitmapFont::kHeaderBytes + 1 * 32;
  font.bytes[a] = 0x80;        // glyph row 0, leftmost pixel
  font.bytes[a + 31] = 0x01;   // glyph row 15, rightmost pixel
  font.bytes[question] = font.bytes[question + 1] = 0xFF;
  return font;
}

std::unique_ptr<TextureStore> drawText(int size, OpParams params, std::string text, BitmapFont font = markerFont()) {
  auto store = testing::makeStore(size);
  store->font = font;
  store->currentTexture().commands[1].text = std::move(text);
  runTextureOp(*store, texop::DrwTxt, params);
  return store;
}

TEST(DrwTxt, GlyphRowZeroLandsSixteenRowsAboveThePen) {
  auto store = drawText(64, {0, 0, 20}, "A");
  EXPECT_EQ(pixel(*store, 1, 16, 1), testing::grey(255, 0));  // glyph row 0 at y + 16, x + 1
  EXPECT_EQ(pixel(*store, 1, 1, 16), testing::grey(255, 0));  // glyph row 15 at y + 1, x + 16
  EXPECT_EQ(pixel(*store, 1, 16, 2), testing::grey(0, 0));
  // The pen row is limited to S - 17: p2 255 puts glyph row 0 on the top row.
  auto top = drawText(64, {0, 255, 20}, "A");
  EXPECT_EQ(pixel(*top, 1, 63, 1)[kBlue], 255);
}

TEST(DrwTxt, EveryCharacterAdvancesThePenButOnlyGlyphsFittingTheImageDraw) {
  // "a" and " " have no glyph; each still moves the pen by the kerning.
  auto store = drawText(64, {0, 0, 10}, "a A");
  EXPECT_EQ(pixel(*store, 1, 16, 21)[kBlue], 255);
  EXPECT_EQ(pixel(*store, 1, 16, 1)[kBlue], 0);
  // Pen at 44 (176 * 64 / 256) draws; after a kerning of 4 it is at 48 > 64 - 17 and draws nothing.
  auto edge = drawText(64, {176, 0, 4}, "?A");
  EXPECT_EQ(pixel(*edge, 1, 16, 45)[kBlue], 255);
  EXPECT_EQ(pixel(*edge, 1, 16, 60)[kBlue], 255);
  EXPECT_EQ(pixel(*edge, 1, 16, 61)[kBlue], 0);
  for (int column = 0; column < 64; ++column) EXPECT_EQ(pixel(*edge, 1, 1, column)[kBlue], 0);  // no "A"
  // The text ends at its terminator.
  auto cut = drawText(64, {0, 0, 20}, std::string("A\0A", 3));
  EXPECT_EQ(pixel(*cut, 1, 16, 21)[kBlue], 0);
}

TEST(DrwTxt, BlankFontDrawsNothing) {
  auto store = drawText(64, {0, 0, 14}, "HELLO", BitmapFont{});
  EXPECT_EQ(stageBytes(*store, 1), stageBytes(*store, 0));
}

// Records the request and hands back a picture whose bytes count up.
class RecordingRenderer : public SceneRenderer {
 public:
  bool renderSceneImage(int scene, int camera, int size, std::uint8_t* pixels) override {
    calls.push_back({scene, camera, size});
    for (std::size_t i = 0; i < StageArea::stageBytes(size); ++i) pixels[i] = static_cast<std::uint8_t>(i / 3);
    return succeed;
  }
  std::vector<std::array<int, 3>> calls;
  bool succeed = true;
};

TEST(RenderScene, CopiesBlueGreenAndRedOfTheRenderedPicture) {
  auto store = testing::storeWithPattern(32);
  const auto before = stageBytes(*store, 1);
  RecordingRenderer renderer;
  store->sceneRenderer = &renderer;
  OpParams params{5, 7};
  runTextureOp(*store, texop::RenderScene, params);
  ASSERT_EQ(renderer.calls.size(), 1u);
  EXPECT_EQ(renderer.calls[0], (std::array<int, 3>{5, 7, 32}));
  const auto after = stageBytes(*store, 1);
  for (std::size_t i = 0; i < after.size(); ++i)
    ASSERT_EQ(after[i], i % 4 == 3 ? before[i] : static_cast<std::uint8_t>(i / 3)) << "byte " << i;
}

TEST(RenderScene, LeavesTheStageAsItWasWithoutAPicture) {
  auto store = testing::storeWithPattern(32);
  const auto before = stageBytes(*store, 1);
  OpParams params{5, 7};
  runTextureOp(*store, texop::RenderScene, params);  // no renderer attached
  EXPECT_EQ(stageBytes(*store, 1), before);

  RecordingRenderer renderer;
  store->sceneRenderer = &renderer;
  OpParams highScene{128, 0};
  runTextureOp(*store, texop::RenderScene, highScene);
  EXPECT_TRUE(renderer.calls.empty());
  EXPECT_EQ(stageBytes(*store, 1), before);

  renderer.succeed = false;
  runTextureOp(*store, texop::RenderScene, params);
  EXPECT_EQ(renderer.calls.size(), 1u);
  EXPECT_EQ(stageBytes(*store, 1), before);
}

}  // namespace
}  // namespace tess
