#include "engine/modifier_engine.hpp"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>

#include "engine/trig.hpp"
#include "scene/modifier_codes.hpp"

namespace tess {

namespace {

enum AnimaMode { kAnimaSine = 0, kAnimaAbsSine = 1, kAnimaCycle = 2 };

// The anima entries' state: raw parameter values, reset for every list applied to a point.
struct Anima {
  std::array<double, 5> speed{}, phase{}, amplitude{};
  int mode = kAnimaSine;
  bool active = false;  // some amplitude is not zero; zero amplitudes add exactly nothing
};

using Entry = EntryValues;

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

using namespace modcode;

// Codes that read the distance d (some only through "inside").
bool readsDistance(int code) {
  return code == Breath || (code >= TwistX && code <= RotateZ) || code == Extract ||
         code == ZoomXyz || (code >= BendX && code <= Bottle) || code == SelectionAdd ||
         code == SelectionSubtract || code == NewSelection;
}

// Codes that turn by the fixed angle 90 A, whose cosine and sine do not depend on the point.
bool turnsByFixedAngle(int code) {
  return (code >= RotateX && code <= GlobalRotateZ) || code == TextureRotate;
}

bool isSelectionCode(int code) { return code >= SelectionAdd && code <= NewSelection; }

bool isAnimaCode(int code) { return code >= AnimaSpeed && code <= AnimaCycle; }

Entry parameters(const Modifier& m, const Anima& anima, double T) {
  std::array<double, 5> P = rawParams(m);
  for (int i = 0; i < 5; ++i) {
    P[i] /= 64;
    if (anima.active) P[i] += animated(anima, i, T);
  }
  Entry e{P[0], P[1], P[2], P[3], P[4]};
  if (turnsByFixedAngle(m.code)) {
    const double t = radians(90 * e.A);
    e.cosTurn = std::cos(t);
    e.sinTurn = std::sin(t);
  }
  return e;
}

void measure(Entry& e, bool distance, const MeshPoint& p) {
  e.dx = p.px - e.P1, e.dy = p.py - e.P2, e.dz = p.pz - e.P3;
  if (distance) e.d = std::sqrt(e.dx * e.dx + e.dy * e.dy + e.dz * e.dz);
}

struct Turn {
  double c, s;
};

Turn turn(double theta) { return {std::cos(theta), std::sin(theta)}; }

Turn fixedTurn(const Entry& e) { return {e.cosTurn, e.sinTurn}; }

// Turns (a, b) about (ca, cb).
void rotatePair(double& a, double& b, double ca, double cb, Turn k) {
  const double da = a - ca, db = b - cb;
  a = ca + k.c * da - k.s * db;
  b = cb + k.s * da + k.c * db;
}

// The x-axis form: py' = P2 + cos*dy + sin*dz, pz' = P3 + cos*dz - sin*dy.
void turnX(MeshPoint& p, const Entry& e, Turn k) {
  p.py = e.P2 + k.c * e.dy + k.s * e.dz;
  p.pz = e.P3 + k.c * e.dz - k.s * e.dy;
}

void turnY(MeshPoint& p, const Entry& e, Turn k) {
  p.px = e.P1 + k.c * e.dx + k.s * e.dz;
  p.pz = e.P3 + k.c * e.dz - k.s * e.dx;
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
    case SelectionAdd: if (inside) w = 1; break;
    case SelectionSubtract: if (inside) w = 0; break;
    case SelectAll: w = 1; break;
    case RemoveSelection: w = 0; break;
    case InvertSelection: w = static_cast<std::uint8_t>(1 - w); break;
    case NoiseSelection:
      if (w == 1 && (std::fmod(g.r, 2) == 0 || std::fmod(g.c, 2) == 0)) w = 0;
      break;
    case NewSelection: w = inside ? 1 : 0; break;
  }
}

// TextureRotate..TextureMove: texture coordinates.
void applyTextureEntry(int code, const Entry& e, const GridCell& g, MeshPoint& p) {
  const double R = e.R, A = e.A;
  switch (code) {
    case TextureRotate: {
      const double c = e.cosTurn, s = e.sinTurn;
      const double tu = p.tu0, tv = p.tv0;
      p.tu0 = c * tu - s * tv;
      p.tv0 = s * tu + c * tv;
      break;
    }
    case TextureWaves: {
      const double phi = gridWave(g, R);
      p.tu0 += A * std::sin(phi) / 8;
      p.tv0 += A * std::cos(phi) / 8;
      break;
    }
    case TextureRadialWaves: {
      const double phi = radians(32 * textureRadius(p) * R * kPhaseStep);
      p.tu0 += A * std::sin(phi) / 8;
      p.tv0 += A * std::cos(phi) / 8;
      break;
    }
    case TextureRadialWavesZoom: {
      const double k = 1 + A * std::sin(R * textureRadius(p)) / 8;
      p.tu0 = 0.5 + k * (p.tu0 - 0.5);
      p.tv0 = 0.5 + k * (p.tv0 - 0.5);
      break;
    }
    case TextureWavesU:
      p.tu0 += A * std::sin(radians((32 * g.c / g.segU) * R * kPhaseStep)) / 8;
      break;
    case TextureWavesV:
      p.tv0 += A * std::cos(radians((32 * g.r / g.segV) * R * kPhaseStep)) / 8;
      break;
    case FrontMappingXY: p.tu0 = p.px * R / 2; p.tv0 = p.py * A / 2; break;
    case FrontMappingXZ: p.tu0 = p.px * R / 2; p.tv0 = p.pz * A / 2; break;
    case FrontMappingYZ: p.tu0 = p.py * R / 2; p.tv0 = p.pz * A / 2; break;
    case TextureZoom: p.tu0 *= R / 2; p.tv0 *= A / 2; break;
    case TextureMove: p.tu0 += R / 2; p.tv0 += A / 2; break;
  }
}

// Breath..GlobalRadialWaves: the deforming entries.
void applyDeformEntry(int code, const Entry& e, bool inside, const SceneObject& owner,
                      const GridCell& g, MeshPoint& p) {
  const double R = e.R, A = e.A;
  switch (code) {
    case Breath: {
      if (!inside) break;
      const double f = R > 0 ? std::max(1.0, R / (e.d + 0.05)) : std::pow(e.d / -R, 3);
      const double qx = e.P1 + f * e.dx, qy = e.P2 + f * e.dy, qz = e.P3 + f * e.dz;
      p.px = (1 - 2 * A) * p.px + 2 * A * qx;
      p.py = (1 - 2 * A) * p.py + 2 * A * qy;
      p.pz = (1 - 2 * A) * p.pz + 2 * A * qz;
      break;
    }
    case Limiter: {
      const double r = std::fabs(R);
      p.px = std::clamp(p.px, e.P1 - r, e.P1 + r);
      p.py = std::clamp(p.py, e.P2 - r, e.P2 + r);
      p.pz = std::clamp(p.pz, e.P3 - r, e.P3 + r);
      break;
    }
    case TwistX: case TwistY: case TwistZ: {
      if (!inside) break;
      const Turn k = turn(A * std::sin(radians(80 * (R - e.d))));
      if (code == TwistX) turnX(p, e, k);
      else if (code == TwistY) turnY(p, e, k);
      else rotatePair(p.px, p.py, e.P1, e.P2, k);
      break;
    }
    case SinBendX: case SinBendY: case SinBendZ: {
      if (!inside) break;
      const Turn k = turn(A * std::sin(radians(80 * e.dx)));
      if (code == SinBendX) rotatePair(p.px, p.pz, e.P1, e.P3, k);
      else if (code == SinBendY) rotatePair(p.px, p.py, e.P1, e.P2, k);
      else turnX(p, e, k);
      break;
    }
    case RotateX: case RotateY: case RotateZ: {
      if (!inside) break;
      const Turn k = fixedTurn(e);
      if (code == RotateX) turnX(p, e, k);
      else if (code == RotateY) turnY(p, e, k);
      else rotatePair(p.px, p.py, e.P1, e.P2, k);
      break;
    }
    case GlobalRotateX: case GlobalRotateY: case GlobalRotateZ: {
      const double c = e.cosTurn, s = e.sinTurn;
      const double x = p.px, y = p.py, z = p.pz;
      if (code == GlobalRotateX) { p.py = c * y + s * z; p.pz = c * z - s * y; }
      else if (code == GlobalRotateY) { p.px = c * x + s * z; p.pz = c * z - s * x; }
      else { p.px = c * x - s * y; p.py = s * x + c * y; }
      break;
    }
    case GlobalFlipX: p.px = -p.px; break;
    case GlobalFlipY: p.py = -p.py; break;
    case GlobalFlipZ: p.pz = -p.pz; break;
    case Extract:
      if (!inside) break;
      p.px = e.P1 + (A / 256) * e.dx;
      p.py = e.P2 + (A / 256) * e.dy;
      p.pz = e.P3 + (A / 256) * e.dz;
      break;
    case ZoomXyz: if (!inside) break; [[fallthrough]];
    case GlobalZoomXyz: p.px *= A; p.py *= A; p.pz *= A; break;
    case GlobalZoomX: p.px *= A; break;
    case GlobalZoomY: p.py *= A; break;
    case GlobalZoomZ: p.pz *= A; break;
    case GlobalTrapezeY: {
      const double s = sizeDivisor(owner.sizeY), y = p.py;
      p.px = (1 + 33 * A * y / s) * p.px;
      p.pz = (1 + 33 * R * y / s) * p.pz;
      break;
    }
    case GlobalTrapezeX: {
      const double s = sizeDivisor(owner.sizeX), x = p.px;
      p.py = (1 + 33 * A * x / s) * p.py;
      p.pz = (1 + 33 * R * x / s) * p.pz;
      break;
    }
    case GlobalTrapezeZ: {
      const double s = sizeDivisor(owner.sizeZ), z = p.pz;
      p.py = (1 + 33 * A * z / s) * p.py;
      p.px = (1 + 33 * R * z / s) * p.px;
      break;
    }
    case GlobalSkewX: p.px = p.px + 33 * A * p.py / sizeDivisor(owner.sizeY); break;
    case GlobalSkewY: p.py = p.py + 33 * A * p.px / sizeDivisor(owner.sizeX); break;
    case GlobalSkewZ: p.pz = p.pz + 33 * A * p.py / sizeDivisor(owner.sizeZ); break;
    case BendX: case BendY: case BendZ: {
      if (!inside) break;
      const Turn k = turn(3 * A * std::sin(radians(4 * R * (code == BendX ? e.dx : e.dy))));
      if (code == BendX) rotatePair(p.px, p.pz, e.P1, e.P3, k);
      else if (code == BendY) rotatePair(p.px, p.py, e.P1, e.P2, k);
      else turnX(p, e, k);
      break;
    }
    case Bottle: if (inside) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / 2; break;
    case Bottle2: {
      const double divisor = p.py + e.P2;
      if (std::fabs(divisor) >= 1) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / (2 * divisor);
      break;
    }
    case Move: p.px += e.P1; p.py += e.P2; p.pz += e.P3; break;
    case GridWaves1: case GridWaves2: {
      const double phi = code == GridWaves1 ? gridWave(g, R)
                                    : radians((16 * g.r / g.segV + 16 * (g.segU - g.c) / g.segU) *
                                              R * kPhaseStep);
      p.px += A * std::sin(phi);
      p.py += A * std::cos(phi);
      break;
    }
    case GlobalWaves:
      p.py += A * std::sin(32 * e.P1 * p.px) / 2 + R * std::sin(32 * e.P3 * p.pz) / 2;
      break;
    case GlobalRadialWaves: p.py += A * std::sin(R * std::sqrt(e.dx * e.dx + e.dz * e.dz)); break;
  }
}

// Every code but the anima ones; inside is only read by the codes that read d.
void applyValues(int code, const Entry& e, const SceneObject& owner, const GridCell& g,
                 MeshPoint& p) {
  const bool inside = e.d < std::fabs(e.R);
  if (isSelectionCode(code)) return applySelection(code, inside, g);
  if (*g.weight == 0) return;
  if (code <= GlobalRadialWaves) return applyDeformEntry(code, e, inside, owner, g, p);
  if (code <= TextureMove) applyTextureEntry(code, e, g, p);
}

void applyEntry(const Modifier& m, const SceneObject& owner, const GridCell& g, double T,
                Anima& anima, MeshPoint& p) {
  const int code = m.code;
  if (!isAnimaCode(code)) {
    Entry e = parameters(m, anima, T);
    measure(e, readsDistance(code), p);
    return applyValues(code, e, owner, g, p);
  }
  if (*g.weight == 0) return;
  switch (code) {
    case AnimaSpeed: setAnima(anima.speed, m); break;
    case AnimaPhase: setAnima(anima.phase, m); break;
    case AnimaSine: case AnimaAbsSine: case AnimaCycle:
      setAnima(anima.amplitude, m);
      anima.mode = code - AnimaSine;
      anima.active = std::any_of(anima.amplitude.begin(), anima.amplitude.end(),
                                 [](double v) { return v != 0; });
      break;
  }
}

}  // namespace

bool listReadsTime(const ModifierList& list) {
  const int count = std::min<int>(list.count, kModifierCapacity);
  return std::any_of(list.entries.begin(), list.entries.begin() + count, [](const Modifier& m) {
    return m.code >= AnimaSine && m.code <= AnimaCycle &&
           (m.p1 != 0 || m.p2 != 0 || m.p3 != 0 || m.p4 != 0 || m.p5 != 0);
  });
}

double modifierTime(std::uint64_t milliseconds) {
  return static_cast<double>(milliseconds % 65535) * 0.0030679618939757347;
}

void ApplyModifiers(const ModifierList& list, const SceneObject& owner, bool group,
                    const ModifierPass& pass, MeshPoint& point) {
  const double ox = pass.origin.posX / 64.0, oy = pass.origin.posY / 64.0,
               oz = pass.origin.posZ / 64.0;
  Anima anima;
  const int count = std::min<int>(list.count, kModifierCapacity);
  for (int k = 0; k < count; ++k) {
    if (group) { point.px += ox; point.py += oy; point.pz += oz; }
    const Modifier& m = list.entries[k];
    applyEntry(m, owner, pass.cell, pass.time, anima, point);
    if (group) { point.px -= ox; point.py -= oy; point.pz -= oz; }
  }
  if (group) {
    point.px += owner.posX / 64.0;
    point.py += owner.posY / 64.0;
    point.pz += owner.posZ / 64.0;
  }
}

ControlChain controlChain(const Scene& scene, int originIndex, bool chain) {
  ControlChain result;
  std::bitset<kObjectSlots> visited;
  bool group = false;
  int current = originIndex;
  while (true) {
    result.links[result.count++] = ChainLink{current, group};
    const SceneObject& owner = scene.objects[current];
    const int next = owner.controlObject;
    if (!chain || (owner.controlMode != 1 && owner.controlMode != 2) || next == originIndex ||
        visited[next])
      return result;
    visited[next] = true;
    group = group || owner.controlMode == 2;  // a locCS link keeps the flag as it is
    current = next;
  }
}

void ModifierProgram::rebuild(const Scene& scene, int originIndex, double time, bool chain) {
  links_.clear();
  steps_.clear();
  const ControlChain links = controlChain(scene, originIndex, chain);
  for (int k = 0; k < links.count; ++k) {
    const int object = links.links[k].object;
    addLink(scene.modifiers[object], scene.objects[object], links.links[k].group, time);
  }
}

void ModifierProgram::addLink(const ModifierList& list, const SceneObject& owner, bool group,
                              double time) {
  Link link{&list, &owner, group, false, static_cast<int>(steps_.size()), 0};
  const int count = std::min<int>(list.count, kModifierCapacity);
  const Anima still;
  for (int k = 0; k < count && !link.animated; ++k) {
    const Modifier& m = list.entries[k];
    link.animated = isAnimaCode(m.code);
    steps_.push_back(Step{parameters(m, still, time), m.code, readsDistance(m.code)});
  }
  if (link.animated) steps_.resize(link.first);
  link.end = static_cast<int>(steps_.size());
  links_.push_back(link);
}

void ModifierProgram::apply(const ModifierPass& pass, MeshPoint& point) const {
  const double ox = pass.origin.posX / 64.0, oy = pass.origin.posY / 64.0,
               oz = pass.origin.posZ / 64.0;
  for (const Link& link : links_) {
    if (link.animated) {
      ApplyModifiers(*link.list, *link.owner, link.group, pass, point);
      continue;
    }
    const bool group = link.group;
    for (int k = link.first; k < link.end; ++k) {
      const Step& step = steps_[k];
      if (group) { point.px += ox; point.py += oy; point.pz += oz; }
      Entry e = step.values;
      measure(e, step.distance, point);
      applyValues(step.code, e, *link.owner, pass.cell, point);
      if (group) { point.px -= ox; point.py -= oy; point.pz -= oz; }
    }
    if (group) {
      point.px += link.owner->posX / 64.0;
      point.py += link.owner->posY / 64.0;
      point.pz += link.owner->posZ / 64.0;
    }
  }
}

}  // namespace tess
