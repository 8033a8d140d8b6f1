#include "texture/ops/rotor_zoom.hpp"

#include <cmath>
#include <vector>

#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"

namespace tess {

namespace {

// Degrees to radians with 3.14 / 180, the factor this mapping has always used (not pi / 180).
constexpr double kRadiansPerDegree = 3.14 / 180;

}  // namespace

void rotorZoom(const std::uint8_t* source, std::uint8_t* destination, int size, const RotorZoomSettings& settings) {
  const int zoom = settings.zoom;
  const double degrees = settings.rotation * 1.40625;
  const double theta = degrees * kRadiansPerDegree;
  const double theta45 = (degrees - 45) * kRadiansPerDegree;
  const int half = size / 2;
  const int dx = ((255 - settings.x) * size / 256 - half) * zoom / 64;
  const int dy = ((255 - settings.y) * size / 256 - half) * zoom / 64;

  // Source positions advance by (a, w) along a row and by (w, -a) from row to row.
  const double a = zoom * std::sin(theta) / 64;
  const double w = zoom * std::cos(theta) / 64;
  double rowL = half - size * zoom * std::cos(theta45) * 0.0109375 + dx * std::sin(theta) + dy * std::cos(theta);
  double rowM = half + size * zoom * std::sin(theta45) * 0.0109375 + dy * std::sin(-theta) + dx * std::cos(-theta);

  // Each row starts where the running sums of the rows before leave it; they are added up in
  // order first, so the rows themselves are independent.
  std::vector<double> startL(size), startM(size);
  for (int row = 0; row < size; ++row) {
    startL[row] = rowL;
    startM[row] = rowM;
    rowL += w;
    rowM -= a;
  }
  forEachRow(size, [&](int row) {
    double l = startL[row], m = startM[row];
    std::uint8_t* target = pixelAt(destination, size, row, 0);
    for (int column = 0; column < size; ++column, target += 4) {
      const double sourceColumn = settings.xDeform * m / 64;
      const double sourceRow = settings.yDeform * l / 64;
      if (sourceColumn >= 0 && sourceColumn < size && sourceRow >= 0 && sourceRow < size)
        copyColour(target, pixelAt(source, size, static_cast<int>(sourceRow), static_cast<int>(sourceColumn)));
      else
        setGrey(target, 0);
      l += a;
      m += w;
    }
  });
}

}  // namespace tess
