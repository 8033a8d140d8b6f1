#pragma once

#include <cstdint>

namespace tess {

// The rotate-and-zoom mapping shared by RotorZoom, AddSprite and the texture view.
struct RotorZoomSettings {
  int x = 128, y = 128;                 // centre, 0..255 across the image
  int rotation = 0;                     // 0..255 covers 0..358.6 degrees
  int zoom = 64;                        // 64 = 1:1
  int xDeform = 64, yDeform = 64;       // per-axis stretch, 64 = none
};

// Writes blue, green and red of every destination pixel from the source image (both size x size,
// stage layout); pixels whose source lies outside the image become black. Alpha is not written.
void rotorZoom(const std::uint8_t* source, std::uint8_t* destination, int size, const RotorZoomSettings& settings);

}  // namespace tess
