#pragma once

#include "engine/mesh_point.hpp"
#include "scene/scene_types.hpp"

namespace tess {

// Milliseconds since start to modifier time: (ms mod 65535) * 0.0030679618939757347.
double modifierTime(std::uint64_t milliseconds);

// What every list applied to one point shares.
struct ModifierPass {
  const SceneObject& origin;  // the object being built
  GridCell cell;
  double time = 0;            // T
};

// Applies one object's list (owner: whose list and sizes) to the point. With group set the
// entries act in scene coordinates (the origin's position is added around each) and the owner's
// position is added at the end.
void applyModifiers(const ModifierList& list, const SceneObject& owner, bool group,
                    const ModifierPass& pass, MeshPoint& point);

// Applies the origin's list, then follows its control chain (locCS in the origin's coordinates,
// glCS in scene coordinates), visiting each object at most once and never the origin again.
void runModifierChain(const Scene& scene, int originIndex, const ModifierPass& pass,
                      MeshPoint& point);

}  // namespace tess
