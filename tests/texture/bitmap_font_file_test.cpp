// The font the build makes from the glyph drawings in data/font.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/folders.hpp"
#include "test_folder.hpp"
#include "texture/bitmap_font.hpp"

namespace tess {
namespace {

TEST(BitmapFontFile, HoldsTheFortyDrawnGlyphsInOrder) {
  BitmapFont font;
  ASSERT_TRUE(loadBitmapFont(dataFolder() / "micra.wbmp", font).ok());
  EXPECT_EQ(std::vector<std::uint8_t>(font.bytes.begin(), font.bytes.begin() + 5),
            (std::vector<std::uint8_t>{0x00, 0x00, 0x10, 0x85, 0x00}));  // type 0, 16 x 640

  // Every glyph row of the drawings, in file order, against the font bytes.
  std::string drawings;
  ASSERT_TRUE(readWholeFile(std::string(TESS_SOURCE_DIR) + "/data/font/micra.txt", drawings).ok());
  const std::string order = "!?.,0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::istringstream lines(drawings);
  std::string line;
  std::set<std::string> distinct;
  while (std::getline(lines, line)) {
    if (!line.starts_with("glyph ")) continue;
    const std::size_t glyph = order.find(line[6]);
    ASSERT_NE(glyph, std::string::npos) << line;
    const std::uint8_t* rows = font.bytes.data() + BitmapFont::kHeaderBytes + glyph * 32;
    distinct.insert(std::string(rows, rows + 32));
    for (int row = 0; row < 16; ++row) {
      ASSERT_TRUE(std::getline(lines, line));
      for (int column = 0; column < 16; ++column) {
        const bool ink = rows[2 * row + column / 8] & (0x80 >> (column % 8));
        EXPECT_EQ(ink, line[column] == '#') << order[glyph] << " row " << row << " column " << column;
      }
    }
  }
  EXPECT_EQ(distinct.size(), 40u);
  EXPECT_FALSE(distinct.contains(std::string(32, '\0')));
}

TEST(BitmapFontFile, MissingOrShortFileLeavesTheFontBlank) {
  BitmapFont font;
  font.bytes.fill(1);
  EXPECT_FALSE(loadBitmapFont(dataFolder() / "no-such-font.wbmp", font).ok());
  EXPECT_EQ(font.bytes, BitmapFont{}.bytes);
  TestFolder folder;
  ASSERT_TRUE(writeFileAtomically(folder.path() / "short.wbmp", std::string(1284, '\xFF')).ok());
  font.bytes.fill(1);
  EXPECT_FALSE(loadBitmapFont(folder.path() / "short.wbmp", font).ok());
  EXPECT_EQ(font.bytes, BitmapFont{}.bytes);
}

}  // namespace
}  // namespace tess
