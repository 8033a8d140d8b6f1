#pragma once

// Writes of blue, green and red that the generators and distortions share. Alpha is never
// touched here: it keeps whatever the working stage already holds.

#include <cstdint>

#include "texture/ops/pixel.hpp"

namespace tess {

inline void setGrey(std::uint8_t* pixel, std::uint8_t value) {
  pixel[kBlue] = pixel[kGreen] = pixel[kRed] = value;
}

inline void setColour(std::uint8_t* pixel, int red, int green, int blue) {
  pixel[kBlue] = static_cast<std::uint8_t>(blue);
  pixel[kGreen] = static_cast<std::uint8_t>(green);
  pixel[kRed] = static_cast<std::uint8_t>(red);
}

inline void copyColour(std::uint8_t* destination, const std::uint8_t* source) {
  destination[kBlue] = source[kBlue];
  destination[kGreen] = source[kGreen];
  destination[kRed] = source[kRed];
}

// Brings a coordinate into 0..size-1 by adding or subtracting size as often as needed.
inline int wrapToImage(int value, int size) {
  value %= size;
  return value < 0 ? value + size : value;
}

}  // namespace tess
