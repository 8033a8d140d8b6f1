// A texture that uses every generator, geometry and distortion operation regenerates to the same
// bytes, whatever the stages and the shared random generator held before.

#include <gtest/gtest.h>

#include "core/msvc_random.hpp"
#include "texture/texture_text.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

constexpr std::string_view kEveryOperation =
    "texture generation log\ntsize=128;\nttype=0;\ntname=all;\n"
    "Clouds(40,3,64);\nCells(10,200,180,160);\nPlasm(128,9,200,40);\nChessField(30,60);\n"
    "Mandelbrot(120,200,150,180);\nJulia(150,200);\nList(1,20,64,64,64,64,64);\nLGradient(1,2,3,250,240,230);\n"
    "RenderScene(0,0);\nBox(100,100,80,60,200,10,10);\nCircle(60,60,40,10,200,10);\n"
    "AddParticle(128,128,255,200,100,128,255);\nAddSprite(100,150,2,80,40);\nDrwTxt(10,20,14,HELLO, 42!);\n"
    "SinDistort(30,40,50,60);\nTwirl(120,130,160,200,100);\nLenz(100,110,220,90);\n"
    "RotorZoom(120,130,40,80,70,60);\nRoll(50,60,3);\nTiling(20,30,100,0);\nMozaic(2);\nend\n";

TEST(Regeneration, EveryOperationReproducesItsStagesExactly) {
  auto store = testing::makeStore();
  store->font.bytes.fill(0x5A);
  TextureTextRead read = readTextureText(kEveryOperation);
  ASSERT_TRUE(read.error.empty()) << read.error;
  ASSERT_TRUE(read.unknownLines.empty());
  store->slots[1] = read.texture;
  selectTexture(*store, 1);
  const int stageCount = store->currentTexture().stageCount;
  std::vector<std::vector<std::uint8_t>> first;
  for (int k = 0; k < stageCount; ++k) first.push_back(testing::stageBytes(*store, k));

  for (int k = 0; k <= stageCount; ++k) testing::fillPattern(*store, k, k + 11);
  sharedRandom().seed(12345);
  sharedRandom().next();
  regenerateTexture(*store);
  for (int k = 0; k < stageCount; ++k) EXPECT_EQ(testing::stageBytes(*store, k), first[k]) << "stage " << k;
  // Each operation changed its stage (no operation silently did nothing), RenderScene aside.
  for (int k = 1; k < stageCount; ++k) {
    if (store->currentTexture().commands[k].op != texop::RenderScene) {
      EXPECT_NE(first[k], first[k - 1]) << "stage " << k;
    }
  }
}

}  // namespace
}  // namespace tess
