#pragma once

#include <cmath>
#include <cstdint>

namespace tess {

// Sine and cosine for per-vertex geometry, which is recomputed for display and stored nowhere:
// inline, without library calls for the arguments meshes meet, within a few units in the last
// place of the C library's (far inside 1e-9). Textures, samples and clone expansion keep the C
// library's functions, since their results are stored.
struct FastTrig {
  // |x| up to this reduces exactly with the four-part pi/2 below (k and each part fit 26 bits);
  // beyond it the C library takes over.
  static constexpr double kReducible = 0x1p26;

  static void sincos(double x, double& s, double& c) {
    if (!(std::fabs(x) <= kReducible)) {
      s = std::sin(x);
      c = std::cos(x);
      return;
    }
    // k = x * 2/pi rounded to the nearest integer; r = x - k pi/2 in |r| <= pi/4.
    constexpr double kRound = 0x1.8p52;
    const double k = (x * 0x1.45f306dc9c883p-1 + kRound) - kRound;
    const double r = (((x - k * 0x1.921fb58p+0) - k * -0x1.dde974p-27) - k * 0x1.1a62630p-54) -
                     k * 0x1.8a2e03707344ap-81;
    const double sinR = sinKernel(r), cosR = cosKernel(r);
    const auto quadrant = static_cast<std::int64_t>(k) & 3;
    s = quadrant & 1 ? cosR : sinR;
    c = quadrant & 1 ? sinR : cosR;
    if (quadrant == 1 || quadrant == 2) c = -c;
    if (quadrant >= 2) s = -s;
  }
  static double sin(double x) {
    double s, c;
    sincos(x, s, c);
    return s;
  }
  static double cos(double x) {
    double s, c;
    sincos(x, s, c);
    return c;
  }

 private:
  // Minimax polynomials on |r| <= pi/4 (the classic fdlibm kernels).
  static double sinKernel(double r) {
    const double z = r * r;
    const double p = -1.66666666666666324348e-01 +
                     z * (8.33333333332248946124e-03 +
                          z * (-1.98412698298579493134e-04 +
                               z * (2.75573137070700676789e-06 +
                                    z * (-2.50507602534068634195e-08 +
                                         z * 1.58969099521155010221e-10))));
    return r + r * z * p;
  }
  static double cosKernel(double r) {
    const double z = r * r;
    const double p = 4.16666666666666019037e-02 +
                     z * (-1.38888888888741095749e-03 +
                          z * (2.48015872894767294178e-05 +
                               z * (-2.75573143513906633035e-07 +
                                    z * (2.08757232129817482790e-09 +
                                         z * -1.13596475577881948265e-11))));
    const double half = 0.5 * z, w = 1.0 - half;
    return w + (((1.0 - w) - half) + z * z * p);
  }
};

// The C library's sine and cosine, for everything whose results are stored, and to measure the
// fast ones against.
struct LibraryTrig {
  static void sincos(double x, double& s, double& c) {
    s = std::sin(x);
    c = std::cos(x);
  }
  static double sin(double x) { return std::sin(x); }
  static double cos(double x) { return std::cos(x); }
};

}  // namespace tess
