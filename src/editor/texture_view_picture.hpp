#pragma once

#include <cstdint>

namespace tess {

// What the texture view shows: zoom 64 is one texture pixel per screen pixel, a larger zoom shows
// more of the texture; the pan moves the picture by screen pixels.
struct TextureViewState {
  int zoom = 64;  // 0..255
  int panX = 0, panY = 0;
  bool greyBackground = false;  // outside the texture: mid-grey instead of black
};

// Fills a width x height picture (row 0 at the top of the screen, 0xAARRGGBB words as a 32-bit
// Qt image holds them) from a size x size stage (blue, green, red, alpha; row 0 shown at the
// bottom) with the view's rotate-and-zoom mapping: screen row i counted from the bottom and
// column j show texture row floor(u + i * zoom / 64) and column floor(v + j * zoom / 64), where
// u = S/2 - 0.0109375 cos(-45 deg) zoom H + panY and v = S/2 + 0.0109375 sin(-45 deg) zoom W - panX.
void drawTextureView(const std::uint8_t* stage, int size, const TextureViewState& view, int width,
                     int height, std::uint32_t* picture);

// The texture row and column (whole numbers, possibly outside the texture) that the screen point
// x, y (from the top left) of a width x height view shows.
struct TextureCell {
  double row = 0, column = 0;
};
TextureCell textureCellAt(int size, const TextureViewState& view, int width, int height, int x,
                          int y);

// The zoom at which the texture fits the view (key "8").
int fittingZoom(int size, int width, int height);

}  // namespace tess
