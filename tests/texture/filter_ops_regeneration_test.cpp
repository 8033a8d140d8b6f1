// A texture text that uses every filter, colour and combining operation reads back completely and
// regenerates to the same bytes whatever the scratch area and the working stages held before.

#include <gtest/gtest.h>

#include <cstring>

#include "texture/texture_text.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

constexpr const char* kText =
    "texture generation log\n"
    "tsize=128;\n"
    "ttype=0;\n"
    "tname=filters;\n"
    "AddNoise(255);\n"
    "AddStars(255,255);\n"
    "SolidFill(126,126,255,0,0,40);\n"
    "Blur(3,1);\n"
    "MotionBlur(2,0);\n"
    "RadialBlur(2,30);\n"
    "Sharpen();\n"
    "PShift(40,80,120,200);\n"
    "RadialPShift(30,60,90,180);\n"
    "Map2dPShift(2,128,100);\n"
    "Median();\n"
    "Dilate();\n"
    "Erode();\n"
    "Edge();\n"
    "Emboss();\n"
    "Mixer(3,8,200,100,0);\n"
    "Mixer(99,4,128,128,7);\n"
    "CrossFade(32,0);\n"
    "CrossFade(64,1);\n"
    "ScaleColor(200,100,150);\n"
    "AdjustColor(60,140,120);\n"
    "SinColor(100,150,200,90);\n"
    "end\n";

TEST(FilterOpsText, EveryOperationReadsAndRegeneratesReproducibly) {
  TextureTextRead read = readTextureText(kText);
  ASSERT_TRUE(read.error.empty()) << read.error;
  ASSERT_TRUE(read.unknownLines.empty());
  ASSERT_EQ(read.texture.stageCount, 23);

  auto store = testing::makeStore();
  store->currentTexture() = read.texture;
  regenerateTexture(*store);
  const auto first = testing::stageBytes(*store, 22);
  EXPECT_NE(first, testing::stageBytes(*store, 21));

  std::memset(store->scratch.base(), 0x5A, ScratchArea::kTotalBytes);
  for (int k = 1; k <= 23; ++k) testing::fillPattern(*store, k, k);
  regenerateTexture(*store);
  EXPECT_EQ(testing::stageBytes(*store, 22), first);
}

}  // namespace
}  // namespace tess
