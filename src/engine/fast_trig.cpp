#include "engine/fast_trig.hpp"

#include <cmath>

namespace tess {

// Built twice, for AVX2 (four lanes) and for the baseline (two), and chosen when the program
// loads. Every lane runs the same operations in the same order as the scalar sincos, and floating
// point is never contracted, so the results are the same on either.
#define TESS_TRIG_CLONES __attribute__((target_clones("avx2", "default")))

namespace {

// Arguments past the exact reduction go to the C library after the vectorised pass.
template <class Store>
void finishUnreducible(const double* x, int count, Store store) {
  for (int i = 0; i < count; ++i)
    if (!(std::fabs(x[i]) <= FastTrig::kReducible)) store(i, std::sin(x[i]), std::cos(x[i]));
}

}  // namespace

TESS_TRIG_CLONES void FastTrig::sincosRow(const double* x, double* s, double* c, int count) {
  for (int i = 0; i < count; ++i) sincosReducible(x[i], s[i], c[i]);
  finishUnreducible(x, count, [&](int i, double sine, double cosine) {
    s[i] = sine;
    c[i] = cosine;
  });
}

TESS_TRIG_CLONES void FastTrig::sinRow(const double* x, double* s, int count) {
  for (int i = 0; i < count; ++i) {
    double unused;
    sincosReducible(x[i], s[i], unused);
  }
  finishUnreducible(x, count, [&](int i, double sine, double) { s[i] = sine; });
}

}  // namespace tess
