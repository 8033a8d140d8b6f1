#include "engine/modifier_engine.hpp"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <utility>

#include "engine/fast_trig.hpp"
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

template <class Trig>
double animated(const Anima& anima, int i, double T) {
  const double S = anima.speed[i], F = anima.phase[i], M = anima.amplitude[i];
  switch (anima.mode) {
    case kAnimaSine: return Trig::sin(T * S / 256 + radians(F * kPhaseStep)) * M / 64;
    case kAnimaAbsSine: return std::fabs(Trig::sin(T * S / 256 + radians(F * kPhaseStep)) / 64) * M;
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

template <class Trig>
Entry parameters(const Modifier& m, const Anima& anima, double T) {
  std::array<double, 5> P = rawParams(m);
  for (int i = 0; i < 5; ++i) {
    P[i] /= 64;
    if (anima.active) P[i] += animated<Trig>(anima, i, T);
  }
  Entry e{P[0], P[1], P[2], P[3], P[4]};
  if (turnsByFixedAngle(m.code)) {
    const double t = radians(90 * e.A);
    Trig::sincos(t, e.sinTurn, e.cosTurn);
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

// Turns the point by k about the entry's centre: the X forms turn y and z, the Y forms x and z,
// the Z forms x and y (SinBend and Bend are named by the axis they bend along instead).
void turnAbout(int code, MeshPoint& p, const Entry& e, Turn k) {
  switch (code) {
    case TwistX: case RotateX: case SinBendZ: case BendZ: return turnX(p, e, k);
    case TwistY: case RotateY: return turnY(p, e, k);
    case SinBendX: case BendX: return rotatePair(p.px, p.pz, e.P1, e.P3, k);
    default: return rotatePair(p.px, p.py, e.P1, e.P2, k);  // TwistZ, RotateZ, SinBendY, BendY
  }
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

// The codes that turn the point by a factor times the sine of an angle that depends on the point.
constexpr bool turnsByPointAngle(int code) {
  return (code >= TwistX && code <= SinBendZ) || (code >= BendX && code <= BendZ);
}

// The codes whose move needs the sine or cosine of angles that depend on the point. They run in
// stages: the first angle, its sine and cosine, a second angle (the turn, or GlobalWaves' second
// wave), its sine and cosine, then the move; over a row, each stage runs for every point at once.
constexpr bool isTrigCode(int code) {
  return turnsByPointAngle(code) || (code >= GridWaves1 && code <= GlobalRadialWaves) ||
         (code >= TextureWaves && code <= TextureWavesV);
}
constexpr bool hasSecondAngle(int code) { return turnsByPointAngle(code) || code == GlobalWaves; }
// Whether the move reads the cosines (or only the sines) of the first and the second angle.
constexpr bool readsFirstCosine(int code) {
  return code == GridWaves1 || code == GridWaves2 || code == TextureWaves ||
         code == TextureRadialWaves || code == TextureWavesV;
}
constexpr bool readsSecondCosine(int code) { return turnsByPointAngle(code); }

double firstAngle(int code, const Entry& e, const GridCell& g, const MeshPoint& p) {
  switch (code) {
    case TwistX: case TwistY: case TwistZ: return radians(80 * (e.R - e.d));
    case SinBendX: case SinBendY: case SinBendZ: return radians(80 * e.dx);
    case BendX: return radians(4 * e.R * e.dx);
    case BendY: case BendZ: return radians(4 * e.R * e.dy);
    case GridWaves1: case TextureWaves: return gridWave(g, e.R);
    case GridWaves2:
      return radians((16 * g.r / g.segV + 16 * (g.segU - g.c) / g.segU) * e.R * kPhaseStep);
    case GlobalWaves: return 32 * e.P1 * p.px;
    case GlobalRadialWaves: return e.R * std::sqrt(e.dx * e.dx + e.dz * e.dz);
    case TextureRadialWaves: return radians(32 * textureRadius(p) * e.R * kPhaseStep);
    case TextureRadialWavesZoom: return e.R * textureRadius(p);
    case TextureWavesU: return radians((32 * g.c / g.segU) * e.R * kPhaseStep);
    default: return radians((32 * g.r / g.segV) * e.R * kPhaseStep);  // TextureWavesV
  }
}

// firstSine: the sine of the first angle.
double secondAngle(int code, const Entry& e, const MeshPoint& p, double firstSine) {
  if (code == GlobalWaves) return 32 * e.P3 * p.pz;
  return (code >= BendX && code <= BendZ ? 3 * e.A : e.A) * firstSine;
}

struct Sines {
  double s1 = 0, c1 = 0, s2 = 0, c2 = 0;
};

void applyTrigMove(int code, const Entry& e, bool inside, MeshPoint& p, const Sines& t) {
  const double R = e.R, A = e.A;
  switch (code) {
    case GridWaves1: case GridWaves2: p.px += A * t.s1; p.py += A * t.c1; break;
    case GlobalWaves: p.py += A * t.s1 / 2 + R * t.s2 / 2; break;
    case GlobalRadialWaves: p.py += A * t.s1; break;
    case TextureWaves: case TextureRadialWaves:
      p.tu0 += A * t.s1 / 8;
      p.tv0 += A * t.c1 / 8;
      break;
    case TextureRadialWavesZoom: {
      const double k = 1 + A * t.s1 / 8;
      p.tu0 = 0.5 + k * (p.tu0 - 0.5);
      p.tv0 = 0.5 + k * (p.tv0 - 0.5);
      break;
    }
    case TextureWavesU: p.tu0 += A * t.s1 / 8; break;
    case TextureWavesV: p.tv0 += A * t.c1 / 8; break;
    default: if (inside) turnAbout(code, p, e, Turn{t.c2, t.s2}); break;  // the turning codes
  }
}

// One point's trigonometric code.
template <class Trig>
void applyTrigEntry(int code, const Entry& e, bool inside, MeshPoint& p, const GridCell& g) {
  if (turnsByPointAngle(code) && !inside) return;
  Sines t;
  Trig::sincos(firstAngle(code, e, g, p), t.s1, t.c1);
  if (hasSecondAngle(code)) Trig::sincos(secondAngle(code, e, p, t.s1), t.s2, t.c2);
  applyTrigMove(code, e, inside, p, t);
}

[[gnu::always_inline]] inline void applySelection(int code, bool inside, const GridCell& g) {
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

// TextureRotate..TextureMove but the trigonometric codes: texture coordinates.
[[gnu::always_inline]] inline void applyTextureEntry(int code, const Entry& e, MeshPoint& p) {
  const double R = e.R, A = e.A;
  switch (code) {
    case TextureRotate: {
      const double c = e.cosTurn, s = e.sinTurn;
      const double tu = p.tu0, tv = p.tv0;
      p.tu0 = c * tu - s * tv;
      p.tv0 = s * tu + c * tv;
      break;
    }
    case FrontMappingXY: p.tu0 = p.px * R / 2; p.tv0 = p.py * A / 2; break;
    case FrontMappingXZ: p.tu0 = p.px * R / 2; p.tv0 = p.pz * A / 2; break;
    case FrontMappingYZ: p.tu0 = p.py * R / 2; p.tv0 = p.pz * A / 2; break;
    case TextureZoom: p.tu0 *= R / 2; p.tv0 *= A / 2; break;
    case TextureMove: p.tu0 += R / 2; p.tv0 += A / 2; break;
  }
}

// Breath..GlobalRadialWaves but the trigonometric codes: the deforming entries.
[[gnu::always_inline]] inline void applyDeformEntry(int code, const Entry& e, bool inside,
                                                    const SceneObject& owner, MeshPoint& p) {
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
    case RotateX: case RotateY: case RotateZ:
      if (inside) turnAbout(code, p, e, Turn{e.cosTurn, e.sinTurn});
      break;
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
    case Bottle: if (inside) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / 2; break;
    case Bottle2: {
      const double divisor = p.py + e.P2;
      if (std::fabs(divisor) >= 1) p.py = p.py + A * (p.px * p.px + p.pz * p.pz) / (2 * divisor);
      break;
    }
    case Move: p.px += e.P1; p.py += e.P2; p.pz += e.P3; break;
  }
}

// Every code but the anima ones; inside is only read by the codes that read d.
template <class Trig>
[[gnu::always_inline]] inline void applyValues(int code, const Entry& e, const SceneObject& owner, const GridCell& g,
                 MeshPoint& p) {
  const bool inside = e.d < std::fabs(e.R);
  if (isSelectionCode(code)) return applySelection(code, inside, g);
  if (*g.weight == 0) return;
  if (isTrigCode(code)) return applyTrigEntry<Trig>(code, e, inside, p, g);
  if (code <= GlobalRadialWaves) return applyDeformEntry(code, e, inside, owner, p);
  if (code <= TextureMove) applyTextureEntry(code, e, p);
}

template <class Trig>
void applyEntry(const Modifier& m, const SceneObject& owner, const GridCell& g, double T,
                Anima& anima, MeshPoint& p) {
  const int code = m.code;
  if (!isAnimaCode(code)) {
    Entry e = parameters<Trig>(m, anima, T);
    measure(e, readsDistance(code), p);
    return applyValues<Trig>(code, e, owner, g, p);
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

template <class Trig>
void applyList(const ModifierList& list, const SceneObject& owner, bool group,
               const ModifierPass& pass, MeshPoint& point) {
  const double ox = pass.origin.posX / 64.0, oy = pass.origin.posY / 64.0,
               oz = pass.origin.posZ / 64.0;
  Anima anima;
  const int count = std::min<int>(list.count, kModifierCapacity);
  for (int k = 0; k < count; ++k) {
    if (group) { point.px += ox; point.py += oy; point.pz += oz; }
    const Modifier& m = list.entries[k];
    applyEntry<Trig>(m, owner, pass.cell, pass.time, anima, point);
    if (group) { point.px -= ox; point.py -= oy; point.pz -= oz; }
  }
  if (group) {
    point.px += owner.posX / 64.0;
    point.py += owner.posY / 64.0;
    point.pz += owner.posZ / 64.0;
  }
}

// Points of one grid row (columns cell.c, cell.c + 1, ...) that one step of a list runs over;
// with group set the step acts in scene coordinates around the origin's position (ox, oy, oz).
struct RowJob {
  const SceneObject& owner;
  bool group;
  double ox, oy, oz;
  GridCell cell;
  MeshPoint* points;
  std::uint8_t* weights;
  int count;
};

// One trigonometric step over a row, stage by stage for up to kChunk points at once, so that
// the sines and cosines of the chunk's angles are worked out together (vectorised).
template <int Code, class Trig>
void trigStepRow(const EntryValues& values, bool distance, const RowJob& job) {
  constexpr int kChunk = 64;
  std::array<double, kChunk> d{}, angle{}, s1{}, c1{}, s2{}, c2{};
  for (int first = 0; first < job.count; first += kChunk) {
    const int n = std::min(kChunk, job.count - first);
    MeshPoint* points = job.points + first;
    GridCell cell = job.cell;
    for (int i = 0; i < n; ++i) {
      MeshPoint& p = points[i];
      cell.c = job.cell.c + first + i;
      if (job.group) { p.px += job.ox; p.py += job.oy; p.pz += job.oz; }
      Entry e = values;
      measure(e, distance, p);
      d[i] = e.d;
      angle[i] = firstAngle(Code, e, cell, p);
    }
    if constexpr (readsFirstCosine(Code)) Trig::sincosRow(angle.data(), s1.data(), c1.data(), n);
    else Trig::sinRow(angle.data(), s1.data(), n);
    if constexpr (hasSecondAngle(Code)) {
      for (int i = 0; i < n; ++i) angle[i] = secondAngle(Code, values, points[i], s1[i]);
      if constexpr (readsSecondCosine(Code)) Trig::sincosRow(angle.data(), s2.data(), c2.data(), n);
      else Trig::sinRow(angle.data(), s2.data(), n);
    }
    for (int i = 0; i < n; ++i) {
      MeshPoint& p = points[i];
      Entry e = values;
      measure(e, false, p);
      e.d = d[i];
      if (job.weights[first + i] != 0)
        applyTrigMove(Code, e, e.d < std::fabs(e.R), p, Sines{s1[i], c1[i], s2[i], c2[i]});
      if (job.group) { p.px -= job.ox; p.py -= job.oy; p.pz -= job.oz; }
    }
  }
}

// One step over a row, the code fixed at compile time, so that the loop runs one code's
// arithmetic without looking the code up for every point.
template <int Code, class Trig>
void stepRow(const EntryValues& values, bool distance, const RowJob& job) {
  if constexpr (isTrigCode(Code)) return trigStepRow<Code, Trig>(values, distance, job);
  GridCell cell = job.cell;
  const double first = cell.c;
  for (int i = 0; i < job.count; ++i) {
    MeshPoint& p = job.points[i];
    cell.c = first + i;
    cell.weight = job.weights + i;
    if (job.group) { p.px += job.ox; p.py += job.oy; p.pz += job.oz; }
    Entry e = values;
    measure(e, distance, p);
    applyValues<Trig>(Code, e, job.owner, cell, p);
    if (job.group) { p.px -= job.ox; p.py -= job.oy; p.pz -= job.oz; }
  }
}

// Codes from "empty" on change nothing (the anima codes never become steps).
constexpr int kActingCodes = TextureMove + 1;
using StepKernel = void (*)(const EntryValues&, bool, const RowJob&);

template <class Trig, int... Codes>
constexpr std::array<StepKernel, kActingCodes> stepKernels(std::integer_sequence<int, Codes...>) {
  return {&stepRow<Codes, Trig>...};
}

template <class Trig>
constexpr std::array<StepKernel, kActingCodes> kStepKernels =
    stepKernels<Trig>(std::make_integer_sequence<int, kActingCodes>());

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
  applyList<LibraryTrig>(list, owner, group, pass, point);
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

void ModifierProgram::rebuild(const Scene& scene, int originIndex, double time, bool chain,
                              TrigPrecision trig) {
  trig_ = trig;
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
    // The fixed turns are worked out once per build: the C library's are cheap enough there.
    steps_.push_back(Step{parameters<LibraryTrig>(m, still, time), m.code, readsDistance(m.code)});
  }
  if (link.animated) steps_.resize(link.first);
  link.end = static_cast<int>(steps_.size());
  links_.push_back(link);
}

void ModifierProgram::apply(const ModifierPass& pass, MeshPoint& point) const {
  applyRow(pass, &point, pass.cell.weight, 1);
}

void ModifierProgram::applyRow(const ModifierPass& pass, MeshPoint* points, std::uint8_t* weights,
                               int count) const {
  if (trig_ == TrigPrecision::Fast)
    applyRowWith<FastTrig>(pass, points, weights, count);
  else
    applyRowWith<LibraryTrig>(pass, points, weights, count);
}

template <class Trig>
void ModifierProgram::applyRowWith(const ModifierPass& pass, MeshPoint* points,
                                   std::uint8_t* weights, int count) const {
  const double ox = pass.origin.posX / 64.0, oy = pass.origin.posY / 64.0,
               oz = pass.origin.posZ / 64.0;
  for (const Link& link : links_) {
    if (link.animated) {
      // Anima state depends on each point's selection: the list runs point by point.
      ModifierPass one = pass;
      for (int i = 0; i < count; ++i) {
        one.cell.c = pass.cell.c + i;
        one.cell.weight = weights + i;
        applyList<Trig>(*link.list, *link.owner, link.group, one, points[i]);
      }
      continue;
    }
    const RowJob job{*link.owner, link.group, ox, oy, oz, pass.cell, points, weights, count};
    for (int k = link.first; k < link.end; ++k) {
      const Step& step = steps_[k];
      if (step.code < kActingCodes) kStepKernels<Trig>[step.code](step.values, step.distance, job);
    }
    if (link.group) {
      const double x = link.owner->posX / 64.0, y = link.owner->posY / 64.0,
                   z = link.owner->posZ / 64.0;
      for (int i = 0; i < count; ++i) {
        points[i].px += x;
        points[i].py += y;
        points[i].pz += z;
      }
    }
  }
}

}  // namespace tess
