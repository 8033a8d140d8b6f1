#include "texture/ops/fractal_ops.hpp"

#include <cstddef>

#include "core/msvc_random.hpp"
#include "texture/ops/colour_writes.hpp"
#include "texture/ops/parallel_rows.hpp"

namespace tess {

namespace {

// Several pixels at a time: a group of 32-byte vectors whose lanes each do exactly the scalar
// IEEE arithmetic of their own pixel, so the result is that of one pixel at a time; the orbits of
// neighbouring pixels only advance together (independent vectors keep the multipliers busy).
// The iterations are built twice, for AVX2 and for the baseline, and the processor picks one when
// first asked: plain multiplies and adds (never fused) give the same bits in either.
using FloatLanes = float __attribute__((vector_size(32)));
using IntLanes = int __attribute__((vector_size(32)));
using DoubleLanes = double __attribute__((vector_size(32)));
using LongLanes = long long __attribute__((vector_size(32)));
constexpr int kFloatLanes = 8, kDoubleLanes = 4;
constexpr int kVectors = 4;
constexpr int kMandelbrotGroup =
    kVectors * kFloatLanes;  // pixels per group; every size is a multiple
constexpr int kJuliaGroup = kVectors * kDoubleLanes;

// Whether any lane of the group still runs. Asked only every fourth step: lanes that have
// finished go on computing values that nobody reads.
template <typename Mask>
inline __attribute__((always_inline)) bool anyLane(const Mask (&masks)[kVectors]) {
  Mask any = masks[0];
  for (int v = 1; v < kVectors; ++v) any |= masks[v];
  for (std::size_t k = 0; k < sizeof(Mask) / sizeof(any[0]); ++k)
    if (any[k]) return true;
  return false;
}

// Per lane: steps of z <- z^2 + c in single precision before |z|^2 > 16 (tested before each of
// at most 256 steps); 255 when the point never escapes.
inline __attribute__((always_inline)) void mandelbrotSteps(const FloatLanes (&cr)[kVectors],
                                                           const FloatLanes& ci,
                                                           IntLanes (&steps)[kVectors]) {
  FloatLanes zr[kVectors], zi[kVectors];
  IntLanes running[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    zr[v] = cr[v];
    zi[v] = ci;
    steps[v] = IntLanes{} + 255;
    running[v] = IntLanes{} - 1;
  }
  for (int step = 0; step < 256; ++step) {
    for (int v = 0; v < kVectors; ++v) {
      const IntLanes escaping = running[v] & (zr[v] * zr[v] + zi[v] * zi[v] > 16.0f);
      steps[v] = (steps[v] & ~escaping) | (escaping & step);
      running[v] &= ~escaping;
    }
    if (step % 4 == 3 && !anyLane(running)) return;
    for (int v = 0; v < kVectors; ++v) {
      const FloatLanes nextR = zr[v] * zr[v] - zi[v] * zi[v] + cr[v];
      zi[v] = 2.0f * zr[v] * zi[v] + ci;
      zr[v] = nextR;
    }
  }
}

// Per lane: steps of z <- z^2 + c (at most 120) while |z|^2 < 4, tested before each step; the
// starting point itself is never tested.
inline __attribute__((always_inline)) void juliaSteps(const DoubleLanes (&zr0)[kVectors],
                                                      const DoubleLanes& zi0, double cr, double ci,
                                                      LongLanes (&steps)[kVectors]) {
  DoubleLanes zr[kVectors], zi[kVectors], magnitude[kVectors];
  LongLanes running[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    zr[v] = zr0[v];
    zi[v] = zi0;
    magnitude[v] = DoubleLanes{} + 1;
    steps[v] = LongLanes{};
    running[v] = LongLanes{} - 1;
  }
  for (int step = 0; step < 120; ++step) {
    for (int v = 0; v < kVectors; ++v) running[v] &= magnitude[v] < 4;
    if (step % 4 == 0 && !anyLane(running)) return;
    for (int v = 0; v < kVectors; ++v) {
      const DoubleLanes nextR = zr[v] * zr[v] - zi[v] * zi[v] + cr;
      zi[v] = 2 * zr[v] * zi[v] + ci;
      zr[v] = nextR;
      magnitude[v] = zr[v] * zr[v] + zi[v] * zi[v];
      steps[v] -= running[v];  // running lanes hold -1
    }
  }
}

// The same iterations built for AVX2 and for the baseline. The choice is made in plain code (not
// by the loader, whose early calls the sanitizers cannot follow).
#if defined(__x86_64__)
#define TESS_TARGET_AVX2 __attribute__((target("avx2")))
bool hasAvx2() {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
}
#else
#define TESS_TARGET_AVX2
bool hasAvx2() {
  return false;
}
#endif

TESS_TARGET_AVX2 void mandelbrotStepsAvx2(const FloatLanes (&cr)[kVectors], const FloatLanes& ci,
                                          IntLanes (&steps)[kVectors]) {
  mandelbrotSteps(cr, ci, steps);
}
void mandelbrotStepsBaseline(const FloatLanes (&cr)[kVectors], const FloatLanes& ci,
                             IntLanes (&steps)[kVectors]) {
  mandelbrotSteps(cr, ci, steps);
}
TESS_TARGET_AVX2 void juliaStepsAvx2(const DoubleLanes (&zr0)[kVectors], const DoubleLanes& zi0,
                                     double cr, double ci, LongLanes (&steps)[kVectors]) {
  juliaSteps(zr0, zi0, cr, ci, steps);
}
void juliaStepsBaseline(const DoubleLanes (&zr0)[kVectors], const DoubleLanes& zi0, double cr,
                        double ci, LongLanes (&steps)[kVectors]) {
  juliaSteps(zr0, zi0, cr, ci, steps);
}

// The five coefficients of one affine map: x' = D x + C y + E, y' = B x + A y.
struct AffineMap {
  double a, b, c, d, e;
};

double parameterCoefficient(int p) {
  return (p - 128) / 128.0;
}

// The map that a draw r in [0, 1) picks for the given type; q[0..4] are the user coefficients
// from the parameters "p1".."p5" and p5 the raw last parameter.
AffineMap pickMap(int type, double r, const double (&q)[5], int p5) {
  static constexpr AffineMap kStem{0, 0, 0, 0.16, 0};
  static constexpr AffineMap kFrond{0.85, 0.04, -0.04, 0.85, 1.6};
  static constexpr AffineMap kLeft{0.2, -0.26, 0.23, 0.22, 1.6};
  static constexpr AffineMap kRight{-0.15, 0.28, 0.26, 0.24, 0.44};
  const AffineMap user{q[0], q[1], q[2], q[3], q[4]};
  if (r <= 0.1) return type == 2 ? user : kStem;
  if (r <= 0.86) return type == 0 ? AffineMap{q[0], q[1], q[2], q[3], (p5 - 128) / 64.0} : kFrond;
  if (r <= 0.93) return type == 1 ? user : kLeft;
  return type == 1 ? AffineMap{-q[0], -q[1], q[2], q[3], -q[4]} : kRight;
}

// Index of a plotted point when its truncated value lies strictly between 0 and size; -1 else.
// Compared as a real first, so a diverging orbit never reaches an integer conversion.
int plotIndex(double value, int size) {
  return value >= 1 && value < size ? static_cast<int>(value) : -1;
}

}  // namespace

void opMandelbrot(const OpInvocation& op) {
  const int size = op.size;
  const int x0 = op.p[0], zoomX = op.p[1], y0 = op.p[2], zoomY = op.p[3];
  const float sizeF = static_cast<float>(size);
  forEachRow(size, [&](int y) {
    const float ci = y0 * 0.00125f - 0.777f + static_cast<float>(y * zoomY) * 0.00125f / sizeF;
    for (int x = 0; x < size; x += kMandelbrotGroup) {
      FloatLanes cr[kVectors];
      for (int k = 0; k < kMandelbrotGroup; ++k)
        cr[k / kFloatLanes][k % kFloatLanes] =
            x0 * 0.00125f - 0.777f + static_cast<float>((x + k) * zoomX) * 0.00125f / sizeF;
      IntLanes steps[kVectors];
      const FloatLanes ciLanes = FloatLanes{} + ci;
      (hasAvx2() ? mandelbrotStepsAvx2 : mandelbrotStepsBaseline)(cr, ciLanes, steps);
      for (int k = 0; k < kMandelbrotGroup; ++k)
        setGrey(pixelAt(op.out, size, y, x + k),
                static_cast<std::uint8_t>(steps[k / kFloatLanes][k % kFloatLanes]));
    }
  });
}

void opJulia(const OpInvocation& op) {
  const int size = op.size;
  const double cr = -op.p[0] * 20 * 0.000125;
  const double ci = -op.p[1] * 20 * 0.000125;
  forEachRow(size, [&](int y) {
    for (int x = 0; x < size; x += kJuliaGroup) {
      DoubleLanes zr[kVectors];
      for (int k = 0; k < kJuliaGroup; ++k)
        zr[k / kDoubleLanes][k % kDoubleLanes] = double(x + k) / size;
      LongLanes steps[kVectors];
      const DoubleLanes ziLanes = DoubleLanes{} + double(y) / size;
      (hasAvx2() ? juliaStepsAvx2 : juliaStepsBaseline)(zr, ziLanes, cr, ci, steps);
      for (int k = 0; k < kJuliaGroup; ++k) {
        const int v =
            static_cast<int>((120 - steps[k / kDoubleLanes][k % kDoubleLanes]) * (1.0 / 120) * 255);
        setGrey(pixelAt(op.out, size, y, x + k), static_cast<std::uint8_t>(255 - v));
      }
    }
  });
}

void opList(const OpInvocation& op) {
  const int size = op.size;
  forEachPixel(op.out, size, [](std::uint8_t* px) { setGrey(px, 0); });
  const int type = op.p[0];
  const int points = op.p[1] * 1000 - 1;
  const double q[5] = {parameterCoefficient(op.p[2]), parameterCoefficient(op.p[3]),
                       parameterCoefficient(op.p[4]), parameterCoefficient(op.p[5]),
                       parameterCoefficient(op.p[6])};
  const int columnScale = 27 * size / 256, columnOffset = 113 * size / 256;
  const int rowScale = 18 * size / 256, rowOffset = 24 * size / 256;

  MsvcRandom& random = sharedRandom();
  random.seed(0);
  double x = 0, y = 0;
  for (int n = 0; n < points; ++n) {
    const double r = random.next() / 32768.0;
    const AffineMap map = pickMap(type, r, q, op.p[6]);
    const double nextX = map.d * x + map.c * y + map.e;
    y = map.b * x + map.a * y;
    x = nextX;
    const int column = plotIndex(columnScale * y + columnOffset, size);
    const int row = plotIndex(rowScale * x + rowOffset, size);
    if (column > 0 && row > 0) setGrey(pixelAt(op.out, size, row, column), 255);
  }
}

}  // namespace tess
