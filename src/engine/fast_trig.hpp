#pragma once

#include <bit>
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
    sincosReducible(x, s, c);
  }
  // Row forms for many arguments at once, vectorised where the processor allows (AVX2); lane for
  // lane the same results as sincos.
  static void sincosRow(const double* x, double* s, double* c, int count);
  static void sinRow(const double* x, double* s, int count);

  // sincos for |x| <= kReducible, without branches, so that a loop over it vectorises.
  static void sincosReducible(double x, double& s, double& c) {
    // k = x * 2/pi rounded to the nearest integer; r = x - k pi/2 in |r| <= pi/4. The low bits
    // of the rounded sum are k's, so the quadrant needs no conversion to an integer.
    constexpr double kRound = 0x1.8p52;
    const double rounded = x * 0x1.45f306dc9c883p-1 + kRound;
    const double k = rounded - kRound;
    const double r = (((x - k * 0x1.921fb58p+0) - k * -0x1.dde974p-27) - k * 0x1.1a62630p-54) -
                     k * 0x1.8a2e03707344ap-81;
    // The quadrant swaps the two and sets their signs; bit operations rather than branches,
    // which the quadrants of neighbouring points would mispredict half the time.
    const auto sinR = std::bit_cast<std::uint64_t>(sinKernel(r));
    const auto cosR = std::bit_cast<std::uint64_t>(cosKernel(r));
    const auto quadrant = std::bit_cast<std::uint64_t>(rounded);
    const std::uint64_t swap = 0 - (quadrant & 1);
    s = std::bit_cast<double>(((sinR & ~swap) | (cosR & swap)) ^ ((quadrant & 2) << 62));
    c = std::bit_cast<double>(((cosR & ~swap) | (sinR & swap)) ^ (((quadrant + 1) & 2) << 62));
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
  static void sincosRow(const double* x, double* s, double* c, int count) {
    for (int i = 0; i < count; ++i) sincos(x[i], s[i], c[i]);
  }
  static void sinRow(const double* x, double* s, int count) {
    for (int i = 0; i < count; ++i) s[i] = std::sin(x[i]);
  }
};

}  // namespace tess
