#include <gtest/gtest.h>

#include "texture/operation_table.hpp"
#include "texture/texture_text.hpp"
#include "texture_test_support.hpp"

namespace tess {
namespace {

std::vector<Texture> sampleSlots() {
  std::vector<Texture> slots(kTextureSlotCount);
  slots[0].name = "first";
  slots[0].commands[1] = testing::command(texop::Invert);
  slots[0].stageCount = 2;
  slots[5].size = 1024;
  slots[5].type = kTextureRenderTarget;
  slots[5].name = "legend";  // holds "end", which the entry search must not stop at
  slots[252].size = 256;
  slots[252].name = "late";
  slots[252].commands[1] = testing::command(texop::Mixer, {1, 1, 10, 20, 3});
  slots[252].commands[2] = testing::command(texop::DrwTxt, {1, 2, 3});
  slots[252].commands[2].text = "END";
  slots[252].stageCount = 3;
  slots[253].name = "last";
  return slots;
}

TEST(TexturePackSection, RoundTripsAll254Entries) {
  const std::vector<Texture> slots = sampleSlots();
  std::string section;
  writeTexturePackSection(slots, section);
  EXPECT_TRUE(section.starts_with("2,texture generation log\ntsize=32;\nttype=0;\ntname=first;\nInvert();\nend\n1,"));

  std::vector<Texture> read(kTextureSlotCount);
  read[254].name = "kept";
  std::vector<std::string> unknown;
  ASSERT_TRUE(readTexturePackSection(section + "track_", 0, read, unknown).ok());
  EXPECT_TRUE(unknown.empty());
  for (int t = 0; t < kPackTextureEntries; ++t) EXPECT_EQ(textureText(read[t]), textureText(slots[t])) << "slot " << t;
  EXPECT_EQ(read[252].stageCount, 3);
  EXPECT_EQ(read[253].name, "last");
  EXPECT_EQ(read[254].name, "kept");  // slot 254 is not stored
}

TEST(TexturePackSection, EntryCountBelowTwoReadsOnlyTheHeader) {
  std::vector<Texture> slots(kTextureSlotCount);
  slots[0].commands[1] = testing::command(texop::Invert);
  slots[0].stageCount = 2;
  std::string section;
  writeTexturePackSection(slots, section);
  section.replace(0, 1, "1");  // a count of 1 with a command line behind it
  std::vector<Texture> read(kTextureSlotCount);
  std::vector<std::string> unknown;
  ASSERT_TRUE(readTexturePackSection(section, 0, read, unknown).ok());
  EXPECT_EQ(read[0].stageCount, 1);
  EXPECT_EQ(read[1].name, "");
}

TEST(TexturePackSection, DamagedSectionsFailNamingTheSlot) {
  std::string section;
  writeTexturePackSection(sampleSlots(), section);
  std::vector<std::string> unknown;

  std::vector<Texture> read(kTextureSlotCount);
  Status cut = readTexturePackSection(section.substr(0, section.size() / 2), 0, read, unknown);
  EXPECT_FALSE(cut.ok());
  EXPECT_NE(cut.message.find("texture slot"), std::string::npos);

  std::string badSize = section;
  badSize.replace(badSize.find("tsize=1024"), 10, "tsize=1000");
  Status size = readTexturePackSection(badSize, 0, read, unknown);
  EXPECT_NE(size.message.find("texture slot 5: tsize=1000"), std::string::npos);

  // Every prefix either reads or fails; none may crash or hang.
  for (std::size_t length = 0; length < 400; ++length) readTexturePackSection(section.substr(0, length), 0, read, unknown);
}

TEST(TexturePackSection, UnknownCommandsAreReportedWithTheirSlot) {
  std::vector<Texture> slots(kTextureSlotCount);
  slots[3].commands[1] = testing::command(texop::Invert);
  slots[3].stageCount = 2;
  std::string section;
  writeTexturePackSection(slots, section);
  section.replace(section.find("Invert();"), 9, "Glow(1);");
  std::vector<Texture> read(kTextureSlotCount);
  std::vector<std::string> unknown;
  ASSERT_TRUE(readTexturePackSection(section, 0, read, unknown).ok());
  EXPECT_EQ(unknown, (std::vector<std::string>{"texture slot 3: Glow(1);"}));
  EXPECT_EQ(read[3].commands[1].op, texop::Empty);
}

}  // namespace
}  // namespace tess
