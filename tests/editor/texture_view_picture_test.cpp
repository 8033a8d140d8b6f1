#include "editor/texture_view_picture.hpp"

#include <gtest/gtest.h>

#include <vector>


namespace tess {
namespace {

// A size x size stage whose pixel (row, column) has blue = column, green = row, red 200, alpha 7.
std::vector<std::uint8_t> numberedStage(int size) {
  std::vector<std::uint8_t> stage(static_cast<std::size_t>(size) * size * 4);
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column) {
      std::uint8_t* pixel = &stage[(static_cast<std::size_t>(row) * size + column) * 4];
      pixel[0] = static_cast<std::uint8_t>(column);
      pixel[1] = static_cast<std::uint8_t>(row);
      pixel[2] = 200;
      pixel[3] = 7;
    }
  return stage;
}

std::uint32_t shown(int row, int column) { return 0xFFC80000u | row << 8 | column; }

TEST(TextureView, OneToOneWithRowZeroAtTheBottom) {
  const auto stage = numberedStage(4);
  std::vector<std::uint32_t> picture(16);
  drawTextureView(stage.data(), 4, TextureViewState{}, 4, 4, picture.data());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(picture[y * 4 + x], shown(3 - y, x)) << y << "," << x;
}

TEST(TextureView, OutsideTheTextureIsBlackOrGrey) {
  const auto stage = numberedStage(4);
  TextureViewState view;
  view.panX = 2;  // the picture moves right: the first two columns lie left of the texture
  std::vector<std::uint32_t> picture(16);
  drawTextureView(stage.data(), 4, view, 4, 4, picture.data());
  EXPECT_EQ(picture[12], 0xFF000000u);
  EXPECT_EQ(picture[13], 0xFF000000u);
  EXPECT_EQ(picture[14], shown(0, 0));
  view.greyBackground = true;
  view.panY = 3;  // three rows above the texture's top
  drawTextureView(stage.data(), 4, view, 4, 4, picture.data());
  EXPECT_EQ(picture[0], 0xFF808080u);
  EXPECT_EQ(picture[15], shown(3, 1));
}

TEST(TextureView, LargerZoomShowsMoreOfTheTexture) {
  const auto stage = numberedStage(8);
  TextureViewState view;
  view.zoom = 128;  // two texture pixels per screen pixel
  std::vector<std::uint32_t> picture(16);
  drawTextureView(stage.data(), 8, view, 4, 4, picture.data());
  // u = v = 4 - 0.0109375 * cos(45 deg) * 128 * 4 = 0.0402...: every other pixel from the corner.
  EXPECT_EQ(picture[12], shown(0, 0));
  EXPECT_EQ(picture[13], shown(0, 2));
  EXPECT_EQ(picture[8], shown(2, 0));
  EXPECT_EQ(picture[3], shown(6, 6));
  EXPECT_EQ(fittingZoom(256, 265, 302), 92);  // 256 * 1.5 * 64 / 266
  EXPECT_EQ(fittingZoom(32, 100, 50), 60);  // 3072 / 51
}

}  // namespace
}  // namespace tess
