#include "engine/mesh_cache.hpp"

#include <tbb/enumerable_thread_specific.h>
#include <tbb/parallel_for.h>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

#include <algorithm>
#include <atomic>

#include "engine/modifier_engine.hpp"
#include "scene/scene_codes.hpp"

namespace tess {

namespace {

// Versions name what a device's stored vertex buffer holds: unique across caches, so that a
// renderer made afresh on the same device never mistakes its first builds for older ones.
std::atomic<std::uint64_t> builds{0};

// oneTBB's scheduler is not instrumented for ThreadSanitizer, which then cannot see that the
// builds start after the update's set-up and end before it returns; these tell it, through an
// address the builds reach without reading anything the update wrote.
[[maybe_unused]] char handoff;
void sanitizerRelease() {
#if defined(__SANITIZE_THREAD__)
  __tsan_release(&handoff);
#endif
}
void sanitizerAcquire() {
#if defined(__SANITIZE_THREAD__)
  __tsan_acquire(&handoff);
#endif
}

// Every entry of a list, those past its count too: a loft reads the entry after its last one.
bool sameList(const ModifierList& a, const ModifierList& b) {
  return a.count == b.count && a.entries == b.entries;
}

}  // namespace

bool operator==(const MeshKey& a, const MeshKey& b) {
  return a.owners == b.owners &&
         std::equal(a.lists.begin(), a.lists.end(), b.lists.begin(), b.lists.end(), sameList) &&
         a.camera == b.camera && a.rotation.phi == b.rotation.phi &&
         a.rotation.theta == b.rotation.theta && a.rotation.psi == b.rotation.psi &&
         a.viewMode == b.viewMode && a.time == b.time && a.heights == b.heights &&
         a.heightsGeneration == b.heightsGeneration && a.displaceDepth == b.displaceDepth &&
         a.trig == b.trig;
}

void makeMeshKey(const SceneStore& scenes, int sceneIndex, int index, const MeshInputs& inputs,
                 MeshKey& key) {
  const Scene& scene = scenes.scenes[sceneIndex];
  const SceneObject& o = scene.objects[index];
  const bool postprocessor = o.type == objtype::Postprocessor;
  key.owners.clear();
  key.lists.clear();
  key.camera = Camera{};
  key.rotation = ViewRotation{};
  key.viewMode = ViewMode::Normal;
  key.time = 0;
  key.heights = nullptr;
  key.heightsGeneration = 0;
  key.displaceDepth = 0;
  key.trig = inputs.trig;
  const ControlChain chain = controlChain(scene, index, !postprocessor);
  bool timed = false;
  for (int k = 0; k < chain.count; ++k) {
    const int object = chain.links[k].object;
    key.owners.push_back(scene.objects[object]);
    key.lists.push_back(scene.modifiers[object]);
    timed = timed || listReadsTime(scene.modifiers[object]);
  }
  if (timed) key.time = inputs.time;
  if (!postprocessor) {  // a postprocessor lies in screen space, away from the camera
    key.camera = inputs.camera;
    key.rotation = inputs.rotation;
    key.viewMode = inputs.viewMode;
  }
  if (isLandscape(o.type) && o.material < kMaterialCount) {
    const Material& material = scenes.materials[o.material];
    key.displaceDepth = material.displaceDepth;
    key.heights = inputs.images ? inputs.images->image(material.displaceMap) : nullptr;
    key.heightsGeneration = key.heights ? key.heights->generation : 0;
  }
}

struct MeshCache::Workers {
  tbb::enumerable_thread_specific<MeshScratch> scratch;
};

MeshCache::MeshCache() : entries_(kSceneCapacity * kObjectSlots), workers_(new Workers) {}

MeshCache::~MeshCache() = default;

MeshCache::Entry& MeshCache::slot(int scene, int index) {
  std::unique_ptr<Entry>& entry = entries_[static_cast<std::size_t>(scene) * kObjectSlots + index];
  if (!entry) entry = std::make_unique<Entry>();
  return *entry;
}

const MeshCache::Entry& MeshCache::entry(int scene, int index) { return slot(scene, index); }

int MeshCache::update(const SceneStore& scenes, int scene, std::span<const int> indices,
                      const MeshInputs& inputs) {
  std::vector<Entry*> stale;
  std::vector<int> staleIndices;
  for (int index : indices) {
    Entry& entry = slot(scene, index);
    makeMeshKey(scenes, scene, index, inputs, probe_);
    if (entry.version != 0 && entry.key == probe_) continue;
    std::swap(entry.key, probe_);
    entry.version = ++builds;
    stale.push_back(&entry);
    staleIndices.push_back(index);
  }
  const auto build = [&](std::size_t k) {
    sanitizerAcquire();
    buildMesh(scenes, scene, staleIndices[k], inputs, workers_->scratch.local(), stale[k]->mesh);
    sanitizerRelease();
  };
  sanitizerRelease();
  tbb::parallel_for(std::size_t{0}, stale.size(), build);
  sanitizerAcquire();
  return static_cast<int>(stale.size());
}

}  // namespace tess
