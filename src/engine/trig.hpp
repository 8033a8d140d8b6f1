#pragma once

#include <numbers>

namespace tess {

// Degrees to radians, as every degree-valued sine and cosine of the engine converts.
constexpr double radians(double degrees) { return degrees * (std::numbers::pi / 180.0); }

}  // namespace tess
