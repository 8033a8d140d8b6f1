#include "engine/modifier_engine.hpp"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>

#include "engine/trig.hpp"

namespace tess {

namespace {

enum AnimaMode { kAnimaSine = 0, kAnimaAbsSine = 1, kAnimaCycle = 2 };

// The anima entries' state: raw parameter values, reset for every list applied to a point.
struct Anima {
  std::array<double, 5> speed{}, phase{}, amplitude{};
  int mode = kAnimaSine;
  bool active = false;  // some amplitude is not zero; zero amplitudes add exactly nothing
};

// One entry's parameters after the animation, in scene units.
struct Entry {
  double P1, P2, P3, R, A;
  double dx, dy, dz, d;
};

constexpr double kPhaseStep = 1.40625;  // degrees per 1/256 turn

std::array<double, 5> rawParams(const Modifier& m) { return {double(m.p1), double(m.p2), double(m.p3), double(m.p4), double(m.p5)}; }

double animated(const Anima& anima, int i, double T) {
  const double S = anima.speed[i], F = anima.phase[i], M = anima.amplitude[i];
  switch (anima.mode) {
    case kAnimaSine: return std::sin(T * S / 256 + radians(F * kPhaseStep)) * M / 64;
    case kAnimaAbsSine: return std::fabs(std::sin(T * S / 256 + radians(F * kPhaseStep)) / 64) * M;
    default: {
      const auto whole = static_cast<std::int64_t>(64 * T * S + 256 * F);
      const double w = static_cast<double>(static_cast<std::uint64_t>(whole) & 0xFFFF);
      return w * M / 2097152 - M / 64;
    }
  }
}

Entry entryValues(const Modifier& m, const Anima& anima, double T, const MeshPoint& p) {
  std::array<double, 5> P = rawParams(m);
  for (int i = 0; i < 5; ++i) {
    P[i] /= 64;
    if (anima.active) P[i] += animated(anima, i, T);
  }
  Entry e{P[0], P[1], P[2], P[3], P[4], p.px - P[0], p.py - P[1], p.pz - P[2], 0};
  e.d = std::sqrt(e.dx * e.dx + e.dy * e.dy + e.dz * e.dz);
  return e;
}

// Turns (a, b) by theta about (ca, cb).
void rotatePair(double& a, double& b, double ca, double cb, double theta) {
  const double c = std::cos(theta), s = std::sin(theta);
  const double da = a - ca, db = b - cb;
  a = ca + c * da - s * db;
  b = cb + s * da + c * db;
}

// The x-axis form: py' = P2 + cos*dy + sin*dz, pz' = P3 + cos*dz - sin*dy.
void turnX(MeshPoint& p, const Entry& e, double theta) {
  const double c = std::cos(theta), s = std::sin(theta);
  p.py = e.P2 + c * e.dy + s * e.dz;
  p.pz = e.P3 + c * e.dz - s * e.dy;
}

void turnY(MeshPoint& p, const Entry& e, double theta) {
  const double c = std::cos(theta), s = std::sin(theta);
  p.px = e.P1 + c * e.dx + s * e.dz;
  p.pz = e.P3 + c * e.dz - s * e.dx;
}

// A trapeze or skew divides by a size + 1; a size of -1 acts like a size of 0.
double sizeDivisor(std::int16_t size) {
  const int divisor = size + 1;
  return divisor == 0 ? 1.0 : double(divisor);
}

double gridWave(const GridCell& g, double freq) {
  return radians((16 * g.c / g.segU + 16 * g.r / g.segV) * freq * kPhaseStep);
}

double textureRadius(const MeshPoint& p) {
  return std::sqrt((p.tv0 - 0.5) * (p.tv0 - 0.5) + (p.tu0 - 0.5) * (p.tu0 - 0.5));
}

void setAnima(std::array<double, 5>& target, const Modifier& m) { target = rawParams(m); }

void applySelection(int code, bool inside, const GridCell& g) {
  std::uint8_t& w = *g.weight;
  switch (code) {
    case 39: if (inside) w = 1; break;
    case 40: if (inside) w = 0; break;
    case 41: w = 1; break;
    case 42: w = 0; break;
    case 43: w = static_cast<std::uint8_t>(1 - w); break;
    case 44:
      if (w == 1 && (std::fmod(g.r, 2) == 0 || std::fmod(g.c, 2) == 0)) w = 0;
      break;
    case 45: w = inside ? 1 : 0; break;
  }
}

// Codes 46..56: texture coordinates.
void applyTextureEntry(int code, const Entry& e, const GridCell& g, MeshPoint& p) {
  const double R = e.R, A = e.A;
  switch (code) {
    case 46: {
      const double t = radians(90 * A), c = std::cos(t), s = std::sin(t);
      const double tu = p.tu0, tv = p.tv0;
      p.tu0 = c * tu - s * tv;
      p.tv0 = s * tu + c * tv;
      break;
    }
    case 47: {
      const double phi = gridWave(g, R);
      p.tu0 += A * std::sin(phi) / 8;
      p.tv0 += A * std::cos(phi) / 8;
      break;
    }
    case 48: {
      const double phi = radians(32 * textureRadius(p) * R * kPhaseStep);
      p.tu0 += A * std::sin(phi) / 8;
      p.tv0 += A * std::cos(phi) / 8;
      break;
    }
    case 49: {
      const double k = 1 + A * std::sin(R * textureRadius(p)) / 8;
      p.tu0 = 0.5 + k * (p.tu0 - 0.5);
      p.tv0 = 0.5 + k * (p.tv0 - 0.5);
      break;
    }
    case 50: p.tu0 += A * std::sin(radians((32 * g.c / g.segU) * R * kPhaseStep)) / 8; break;
    case 51: p.tv0 += A * std::cos(radians((32 * g.r / g.segV) * R * kPhaseStep)) / 8; break;
    case 52: p.tu0 = p.px * R / 2; p.tv0 = p.py * A / 2; break;
    case 53: p.tu0 = p.px * R / 2; p.tv0 = p.pz * A / 2; break;
    case 54: p.tu0 = p.py * R / 2; p.tv0 = p.pz * A / 2; break;
    case 55: p.tu0 *= R / 2; p.tv0 *= A / 2; break;
    case 56: p.tu0 += R / 2; p.tv0 += A / 2; break;
  }
}

// Codes 0..38: the deforming entries.
void applyDeformEntry(int code, const Entry& e, bool inside, const SceneObject& owner,
                      const GridCell& g, MeshPoint& p) {
  const double R = e.R, A = e.A;
  switch (code) {
    case 0: {
      if (!inside) break;
      const double f = R > 0 ? std::max(1.0, R / (e.d + 0.05)) : std::pow(e.d / -R, 3);
      const double qx = e.P1 + f * e.dx, qy = e.P2 + f * e.dy, qz = e.P3 + f * e.dz;
      p.px = (1 - 2 * A) * p.px + 2 * A * qx;
      p.py = (1 - 2 * A) * p.py + 2 * A * qy;
      p.pz = (1 - 2 * A) * p.pz + 2 * A * qz;
      break;
    }
    case 1: {
      const double r = std::fabs(R);
      p.px = std::clamp(p.px, e.P1 - r, e.P1 + r);
      p.py = std::clamp(p.py, e.P2 - r, e.P2 + r);
      p.pz = std::clamp(p.pz, e.P3 - r, e.P3 + r);
      break;
    }
    case 2: case 3: case 4: {
      if (!inside) break;
      const double t = A * std::sin(radians(80 * (R - e.d)));
      if (code == 2) turnX(p, e, t);
      else if (code == 3) turnY(p, e, t);
      else rotatePair(p.px, p.py, e.P1, e.P2, t);
      break;
    }
    case 5: case 6: case 7: {
      if (!inside) break;
      const double t = A * std::sin(radians(80 * e.dx));
      if (code == 5) rotatePair(p.px, p.pz, e.P1, e.P3, t);
      else if (code == 6) rotatePair(p.px, p.py, e.P1, e.P2, t);
      else turnX(p, e, t);
      break;
    }
    case 8: case 9: case 10: {
      if (!inside) break;
      const double t = radians(90 * A);
      if (code == 8) turnX(p, e, t);
      else if (code == 9) turnY(p, e, t);
      else rotatePair(p.px, p.py, e.P1, e.P2, t);
      break;
    }
    case 11: case 12: case 13: {
      const double t = radians(90 * A), c = std::cos(t), s = std::sin(t);
      const double x = p.px, y = p.py, z = p.pz;
      if (code == 11) { p.py = c * y + s * z; p.pz = c * z - s * y; }
      else if (code == 12) { p.px = c * x + s * z; p.pz = c * z - s * x; }
      else { p.px = c * x - s * y; p.py = s * x + c * y; }
      break;
    }
    case 14: p.px = -p.px; break;
    case 15: p.py = -p.py; break;
    case 16: p.pz = -p.pz; break;
    case 17:
      if (!inside) break;
      p.px = e.P1 + (A / 256) * e.dx;
      p.py = e.P2 + (A / 256) * e.dy;
      p.pz = e.P3 + (A / 256) * e.dz;
      break;
    case 18: if (!inside) break; [[fallthrough]];
    case 19: p.px *= A; p.py *= A; p.pz *= A; break;
    case 20: p.px *= A; break;
    case 21: p.py *= A; break;
    case 22: p.pz *= A; break;
    case 23: {
      const double s = sizeDivisor(owner.sizeY), y = p.py;
      p.px = (1 + 33 * A * y / s) * p.px;
      p.pz = (1 + 33 * R * y / s) * p.pz;
      break;
    }
    case 24: {
      const double s = sizeDivisor(owner.sizeX), x = p.px;
      p.py = (1 + 33 * A * x / s) * p.py;
      p.pz = (1 + 33 * R * x / s) * p.pz;
      break;
    }
    case 25: {
      const double s = sizeDivisor(owner.sizeZ), z = p.pz;
      p.py = (1 + 33 * A * z / s) * p.py;
      p.px = (1 + 33 * R * z / s) * p.px;
      break;
    }
    case 26: p.px = p.px + 33 * A * p.py / sizeDivisor(owner.sizeY); break;
    case 27: p.py = p.py + 33 * A * p.px / sizeDivisor(owner.sizeX); break;
    case 28: p.pz = p.pz + 33 * A * p.py / sizeDivisor(owner.sizeZ); break;
    case 29: case 30: case 31: {
      if (!inside) break;
      const double t = 3 * A * std::sin(radians(4 * R * (code == 29 ? e.dx : e.dy)));
      if (code == 29) rotatePair(p.px, p.pz, e.P1, e.P3, t);
      else if (code == 30) rotatePair(p.px, p.py, e.P1, e.P2, t);
      else turnX(p, e, t);
      break;
    }
    case 32: if (inside) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / 2; break;
    case 33: {
      const double divisor = p.py + e.P2;
      if (std::fabs(divisor) >= 1) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / (2 * divisor);
      break;
    }
    case 34: p.px += e.P1; p.py += e.P2; p.pz += e.P3; break;
    case 35: case 36: {
      const double phi = code == 35 ? gridWave(g, R)
                                    : radians((16 * g.r / g.segV + 16 * (g.segU - g.c) / g.segU) *
                                              R * kPhaseStep);
      p.px += A * std::sin(phi);
      p.py += A * std::cos(phi);
      break;
    }
    case 37: p.py += A * std::sin(32 * e.P1 * p.px) / 2 + R * std::sin(32 * e.P3 * p.pz) / 2; break;
    case 38: p.py += A * std::sin(R * std::sqrt(e.dx * e.dx + e.dz * e.dz)); break;
  }
}

void applyEntry(const Modifier& m, const Entry& e, const SceneObject& owner, const GridCell& g,
                Anima& anima, MeshPoint& p) {
  const int code = m.code;
  const bool inside = e.d < std::fabs(e.R);
  if (code >= 39 && code <= 45) return applySelection(code, inside, g);
  if (*g.weight == 0) return;
  if (code <= 38) return applyDeformEntry(code, e, inside, owner, g, p);
  if (code <= 56) return applyTextureEntry(code, e, g, p);
  switch (code) {
    case 58: setAnima(anima.speed, m); break;
    case 59: setAnima(anima.phase, m); break;
    case 60: case 61: case 62:
      setAnima(anima.amplitude, m);
      anima.mode = code - 60;
      anima.active = std::any_of(anima.amplitude.begin(), anima.amplitude.end(),
                                 [](double v) { return v != 0; });
      break;
  }
}

}  // namespace

double modifierTime(std::uint64_t milliseconds) {
  return static_cast<double>(milliseconds % 65535) * 0.0030679618939757347;
}

void applyModifiers(const ModifierList& list, const SceneObject& owner, bool group,
                    const ModifierPass& pass, MeshPoint& point) {
  const double ox = pass.origin.posX / 64.0, oy = pass.origin.posY / 64.0,
               oz = pass.origin.posZ / 64.0;
  Anima anima;
  const int count = std::min<int>(list.count, kModifierCapacity);
  for (int k = 0; k < count; ++k) {
    if (group) { point.px += ox; point.py += oy; point.pz += oz; }
    const Modifier& m = list.entries[k];
    applyEntry(m, entryValues(m, anima, pass.time, point), owner, pass.cell, anima, point);
    if (group) { point.px -= ox; point.py -= oy; point.pz -= oz; }
  }
  if (group) {
    point.px += owner.posX / 64.0;
    point.py += owner.posY / 64.0;
    point.pz += owner.posZ / 64.0;
  }
}

void runModifierChain(const Scene& scene, int originIndex, const ModifierPass& pass,
                      MeshPoint& point) {
  std::bitset<kObjectSlots> visited;
  bool group = false;
  int current = originIndex;
  while (true) {
    const SceneObject& owner = scene.objects[current];
    applyModifiers(scene.modifiers[current], owner, group, pass, point);
    const int next = owner.controlObject;
    if ((owner.controlMode != 1 && owner.controlMode != 2) || next == originIndex || visited[next])
      return;
    visited[next] = true;
    group = group || owner.controlMode == 2;  // a locCS link keeps the flag as it is
    current = next;
  }
}

}  // namespace tess
