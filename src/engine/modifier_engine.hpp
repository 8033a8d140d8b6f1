#pragma once

#include <array>
#include <vector>

#include "engine/mesh_point.hpp"
#include "scene/scene_types.hpp"

namespace tess {

// Milliseconds since start to modifier time: (ms mod 65535) * 0.0030679618939757347.
double modifierTime(std::uint64_t milliseconds);

// Whether the list's result depends on the modifier time: only anima amplitude entries read it,
// and one whose parameters are all 0 adds nothing.
bool listReadsTime(const ModifierList& list);

// The objects whose lists one build applies, in order: the origin, then (with chain set) its
// control chain, visiting each object at most once and never the origin again. group: the link
// acts in scene coordinates (some earlier link was glCS).
struct ChainLink {
  int object = 0;
  bool group = false;
};
struct ControlChain {
  int count = 0;
  std::array<ChainLink, kObjectSlots> links{};
};
ControlChain controlChain(const Scene& scene, int originIndex, bool chain);

// What every list applied to one point shares.
struct ModifierPass {
  const SceneObject& origin;  // the object being built
  GridCell cell;
  double time = 0;            // T
};

// Applies one object's list (owner: whose list and sizes) to the point. With group set the
// entries act in scene coordinates (the origin's position is added around each) and the owner's
// position is added at the end.
void ApplyModifiers(const ModifierList& list, const SceneObject& owner, bool group,
                    const ModifierPass& pass, MeshPoint& point);

// One entry's parameters after the animation, in scene units, the fixed turn of the rotating
// codes and the point's offset from (P1, P2, P3); d is worked out only for the codes that read it.
struct EntryValues {
  double P1 = 0, P2 = 0, P3 = 0, R = 0, A = 0;
  double cosTurn = 1, sinTurn = 0;
  double dx = 0, dy = 0, dz = 0, d = 0;
};

// Which sine and cosine a build's points use: the fast ones, or the C library's to measure them
// against.
enum class TrigPrecision { Fast, Library };

// The modifier work of one build, worked out once: the origin's list, then (with chain set) its
// control chain (locCS in the origin's coordinates, glCS in scene coordinates), visiting each
// object at most once and never the origin again. The entries of a list without anima entries
// keep their parameters and fixed turns for every point; a list with anima entries is applied
// point by point as ApplyModifiers does, since its anima state depends on the point's selection.
// Rebuilding reuses the storage, so a program kept between frames allocates nothing.
class ModifierProgram {
 public:
  ModifierProgram() = default;
  ModifierProgram(const Scene& scene, int originIndex, double time, bool chain,
                  TrigPrecision trig = TrigPrecision::Fast) {
    rebuild(scene, originIndex, time, chain, trig);
  }

  void rebuild(const Scene& scene, int originIndex, double time, bool chain,
               TrigPrecision trig = TrigPrecision::Fast);

  void apply(const ModifierPass& pass, MeshPoint& point) const;
  // The points of grid columns pass.cell.c .. pass.cell.c + count - 1 of row pass.cell.r, with
  // their selection weights: the same results as apply on each, a step at a time over the row.
  void applyRow(const ModifierPass& pass, MeshPoint* points, std::uint8_t* weights,
                int count) const;

 private:
  struct Step {
    EntryValues values;
    int code = 0;
    bool distance = false;  // the code reads d
  };
  struct Link {
    const ModifierList* list = nullptr;
    const SceneObject* owner = nullptr;
    bool group = false;
    bool animated = false;
    int first = 0, end = 0;  // steps of a list without anima entries
  };
  void addLink(const ModifierList& list, const SceneObject& owner, bool group, double time);
  template <class Trig>
  void applyRowWith(const ModifierPass& pass, MeshPoint* points, std::uint8_t* weights,
                    int count) const;

  std::vector<Link> links_;
  std::vector<Step> steps_;
  TrigPrecision trig_ = TrigPrecision::Fast;
};

}  // namespace tess
