#include "texture/ops/neighbourhood_filters.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "texture/ops/neighbourhood.hpp"

namespace tess {

namespace {

void order(int& low, int& high) {
  if (low > high) std::swap(low, high);
}

}  // namespace

int medianOfNine(const Neighbourhood& n) {
  // A 19-exchange median network.
  // clang-format off
  int p0 = n.ul, p1 = n.u, p2 = n.ur, p3 = n.l, p4 = n.c, p5 = n.r, p6 = n.dl, p7 = n.d, p8 = n.dr;
  order(p1, p2); order(p4, p5); order(p7, p8);
  order(p0, p1); order(p3, p4); order(p6, p7);
  order(p1, p2); order(p4, p5); order(p7, p8);
  order(p0, p3); order(p5, p8); order(p4, p7);
  order(p3, p6); order(p1, p4); order(p2, p5);
  order(p4, p7); order(p4, p2); order(p6, p4);
  order(p4, p2);
  // clang-format on
  return p4;
}

void opSharpen(const OpInvocation& op) {
  filterNeighbourhoods(op, [](const Neighbourhood& n) {
    return std::clamp(5 * n.c / 2 - (n.u + n.d + n.l + n.r) / 4 - (n.ul + n.ur + n.dl + n.dr) / 8,
                      0, 255);
  });
}

void opMedian(const OpInvocation& op) {
  filterNeighbourhoods(op, medianOfNine);
}

void opDilate(const OpInvocation& op) {
  filterNeighbourhoods(op, [](const Neighbourhood& n) {
    return std::max({n.ul, n.u, n.ur, n.l, n.c, n.r, n.dl, n.d, n.dr});
  });
}

void opErode(const OpInvocation& op) {
  filterNeighbourhoods(op, [](const Neighbourhood& n) {
    return std::min({n.ul, n.u, n.ur, n.l, n.c, n.r, n.dl, n.d, n.dr});
  });
}

void opEdge(const OpInvocation& op) {
  filterNeighbourhoods(op, [](const Neighbourhood& n) {
    return std::min(2 * std::abs(n.ul + 2 * n.u + n.ur - n.dl - 2 * n.d - n.dr), 255);
  });
}

void opEmboss(const OpInvocation& op) {
  filterNeighbourhoods(op, [](const Neighbourhood& n) {
    const int gx = n.ur + n.r + n.dr - n.ul - n.l - n.dl + 128;
    const int gy = n.dl + n.d + n.dr - n.ul - n.u - n.ur + 128;
    return std::min(static_cast<int>(std::sqrt(static_cast<double>(gx * gx + gy * gy))), 255);
  });
}

}  // namespace tess
