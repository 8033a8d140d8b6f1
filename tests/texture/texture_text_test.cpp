#include "texture/texture_text.hpp"

#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

TextureTextRead readOk(std::string_view text) {
  TextureTextRead read = readTextureText(text);
  EXPECT_EQ(read.error, "");
  return read;
}

TEST(TextureTextWriter, WritesTheLayoutLineByLine) {
  Texture texture;
  texture.size = 128;
  texture.name = "bricks";
  texture.commands[1] = testing::command(texop::Cells, {166, 233, 166, 233});
  texture.commands[2] = testing::command(texop::Blur, {3, 0});
  texture.commands[3] = testing::command(texop::Mixer, {1, 2, 128, 128, 0});
  texture.commands[4] = testing::command(texop::Sharpen, {5, 5});
  texture.commands[5] = testing::command(texop::DrwTxt, {10, 20, 14});
  texture.commands[5].text = "HELLO";
  texture.stageCount = 6;
  EXPECT_EQ(textureText(texture),
            "texture generation log\ntsize=128;\nttype=0;\ntname=bricks;\n"
            "Cells(166,233,166,233);\nBlur(3,0);\nMixer(1,2,128,128,0);\nSharpen();\n"
            "DrwTxt(10,20,14,HELLO);\nend\n");

  Texture empty;
  EXPECT_EQ(textureText(empty), "texture generation log\ntsize=32;\nttype=0;\ntname=;\nend\n");
}

TEST(TextureTextReader, ReadsBackWhatTheWriterWrote) {
  // One line of every operation row with distinct values, so a parameter read into the wrong
  // place shows.
  Texture texture;
  texture.size = 256;
  texture.type = kTextureRenderTarget;
  texture.name = "all ops, every char: !\"#$%&'()*+-./09:<=>?@AZ[\\]^_`az{|}~";
  int k = 1;
  for (int op = 1; op < kOperationRowCount; ++op) {
    if (isGroupHeader(op)) continue;
    TextureCommand& command = texture.commands[k++];
    command.op = op;
    for (int j = 0; j < pristineOperationTable()[op].count; ++j) command.params[j] = (op * 7 + j * 31) % 256;
    if (op == texop::DrwTxt) command.text = "HI, THERE; 42!";
  }
  texture.stageCount = k;
  const std::string text = textureText(texture);
  TextureTextRead read = readOk(text);
  EXPECT_TRUE(read.unknownLines.empty());
  EXPECT_EQ(read.texture.stageCount, k);
  EXPECT_EQ(read.texture.name, texture.name);
  EXPECT_EQ(read.texture.type, kTextureRenderTarget);
  EXPECT_EQ(textureText(read.texture), text);
}

TEST(TextureTextReader, NamesNeedTheParenthesisToMatch) {
  TextureTextRead read =
      readOk("texture generation log\ntsize=32;\nttype=0;\ntname=;\nClearRGB();\nClear();\nInvertAlfa();\nInvert();\nend\n");
  ASSERT_EQ(read.texture.stageCount, 5);
  EXPECT_EQ(read.texture.commands[1].op, texop::ClearRGB);
  EXPECT_EQ(read.texture.commands[2].op, texop::Clear);
  EXPECT_EQ(read.texture.commands[3].op, texop::InvertAlfa);
  EXPECT_EQ(read.texture.commands[4].op, texop::Invert);
}

TEST(TextureTextReader, DrwTxtTextRunsToTheFirstClosingParenthesis) {
  TextureTextRead read = readOk(
      "texture generation log\ntsize=32;\nttype=0;\ntname=t;\nDrwTxt(0,0,14,HI, THERE);\n"
      "DrwTxt(1,2,3,ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789);\nInvert();\nend\n");
  ASSERT_EQ(read.texture.stageCount, 4);
  EXPECT_EQ(read.texture.commands[1].text, "HI, THERE");
  EXPECT_EQ(read.texture.commands[2].text, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");  // cut to 31
  EXPECT_EQ(read.texture.commands[2].params[2], 3);
  EXPECT_EQ(read.texture.commands[3].op, texop::Invert);
}

TEST(TextureTextReader, UnknownCommandsLeaveAnEmptyStageAndReadingGoesOn) {
  TextureTextRead read = readOk(
      "texture generation log\ntsize=64;\nttype=0;\ntname=x;\nInvert();\nSparkle(1,2);\n"
      "Mixer(1,3,128,128,0);\nend\n");
  ASSERT_EQ(read.unknownLines, (std::vector<std::string>{"Sparkle(1,2);"}));
  ASSERT_EQ(read.texture.stageCount, 4);
  EXPECT_EQ(read.texture.commands[2].op, texop::Empty);
  EXPECT_EQ(read.texture.commands[3].op, texop::Mixer);
  EXPECT_EQ(read.texture.commands[3].params[1], 3);
}

TEST(TextureTextReader, IsLenientAboutNumbersAndLineEnds) {
  TextureTextRead read = readOk(
      "texture generation log\r\ntsize=64;\r\nttype=0;\r\ntname=crlf;\r\nBlur(300,-4);\r\nInvert();\r\nend\r\n");
  ASSERT_EQ(read.texture.stageCount, 3);
  EXPECT_EQ(read.texture.name, "crlf");
  EXPECT_EQ(read.texture.commands[1].params[0], 300);  // clamped only when it runs
  EXPECT_EQ(read.texture.commands[1].params[1], -4);
  EXPECT_EQ(read.texture.commands[2].op, texop::Invert);

  TextureTextRead cut = readOk("texture generation log\ntsize=32;\nttype=0;\ntname=;\nInvert();\n");
  EXPECT_EQ(cut.texture.stageCount, 2);
}

TEST(TextureTextReader, CutsLongNamesToFit) {
  const std::string longName(150, 'n');
  TextureTextRead read = readOk("tsize=32;ttype=0;tname=" + longName + ";end");
  EXPECT_EQ(read.texture.name, std::string(99, 'n'));
}

TEST(TextureTextReader, RefusesWhatNoSlotCanHold) {
  EXPECT_NE(readTextureText("texture generation log\ntsize=100;\nttype=0;\ntname=;\nend\n").error.find("tsize=100"),
            std::string::npos);
  EXPECT_NE(readTextureText("tsize=32;\nttype=2;\ntname=;\nend\n").error.find("ttype=2"), std::string::npos);
  EXPECT_FALSE(readTextureText("").error.empty());
  EXPECT_FALSE(readTextureText("tsize=32;ttype=0;tname=no end").error.empty());
  EXPECT_FALSE(readTextureText("ttype=0;tname=;tsize=32;").error.empty());  // keys out of order

  std::string many = "tsize=32;\nttype=0;\ntname=;\n";
  for (int i = 0; i < 254; ++i) many += "Empty();\n";
  EXPECT_EQ(readTextureText(many + "end\n").error, "");
  EXPECT_NE(readTextureText(many + "Empty();\nend\n").error.find("254"), std::string::npos);

  std::string large = "tsize=1024;\nttype=0;\ntname=;\n";
  for (int i = 0; i < 20; ++i) large += "Invert();\n";
  EXPECT_EQ(readTextureText(large + "end\n").error, "");
  EXPECT_FALSE(readTextureText(large + "Invert();\nend\n").error.empty());
}

TEST(TextureTextReader, HeaderOnlyReadIgnoresCommands) {
  TextureTextRead read = readTextureText("tsize=512;\nttype=1;\ntname=rt;\nInvert();\nend\n", 0, false);
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(read.texture.stageCount, 1);
  EXPECT_EQ(read.texture.size, 512);
  EXPECT_EQ(read.texture.type, 1);
}

}  // namespace
}  // namespace tess
