#include "texture/slot_regeneration.hpp"

#include <tbb/global_control.h>
#include <tbb/info.h>
#include <tbb/task_arena.h>
#include <tbb/task_group.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "texture/interpreter.hpp"

namespace tess {

namespace {

// Whether regenerating the texture reads anything besides its own commands' results: a scene
// that the renderer draws from the textures published so far, or a sprite taken from a stage
// that this regeneration has not written yet (whatever earlier regenerations left there).
bool readsEarlierWork(const Texture& texture) {
  const int end = std::min(texture.stageCount, kMaxStageCount);
  for (int k = 1; k < end; ++k) {
    const TextureCommand& command = texture.commands[k];
    if (command.op == texop::RenderScene) return true;
    if (command.op == texop::AddSprite && std::clamp(command.params[2], 1, 255) > k) return true;
  }
  return false;
}

// The bytes that regenerating a texture writes in its stage area: stages 0 up to its stage count
// (the last result's forward copy), stage 1 at least.
std::size_t regeneratedBytes(const Texture& texture) {
  int stageCount = std::clamp(texture.stageCount, 1, kMaxStageCount);
  while (stageCount > 1 && !StageArea::fits(stageCount, texture.size)) --stageCount;
  return (stageCount + 1) * StageArea::stageBytes(texture.size);
}

// Who regenerates which slot. Slots that read only their own results are claimed strictly in
// order, each together with a free work area, so when the next slot to publish is not ready it is
// either in work or claimable at once: no slot after it holds an area yet. Publishing copies the
// stages a slot wrote into the store's own area, so that area holds at every moment exactly what
// regenerating one slot after another would leave there.
class SlotPipeline {
 public:
  SlotPipeline(TextureStore& store, const std::vector<int>& slots, int threads)
      : store_(store), slots_(slots), jobs_(slots.size()) {
    for (std::size_t k = 0; k < slots.size(); ++k) {
      jobs_[k].onCaller = readsEarlierWork(store.slots[slots[k]]);
      if (jobs_[k].onCaller) continue;
      jobs_[k].texture = store.slots[slots[k]];
      claimOrder_.push_back(k);
    }
    // A few areas beyond the cores let workers run ahead while the caller publishes.
    const std::size_t areas = std::min<std::size_t>(threads + 2, claimOrder_.size());
    for (std::size_t k = 0; k < areas; ++k) {
      areas_.push_back(std::make_unique<TextureStore>());
      areas_.back()->font = store.font;
      free_.push_back(areas_.back().get());
    }
  }

  // A worker: claims and regenerates slots until none is left to claim.
  void work() {
    std::unique_lock lock(mutex_);
    while (true) {
      changed_.wait(lock, [&] { return !free_.empty() || nextClaim_ == claimOrder_.size(); });
      if (nextClaim_ == claimOrder_.size()) return;
      regenerateNext(lock);
    }
  }

  // The calling thread: publishes the slots in order; a slot that renders scenes runs here, and
  // while the next slot to publish is not ready the caller claims and regenerates slots too.
  void publishAll(const std::function<void(int slot)>& published) {
    for (std::size_t k = 0; k < slots_.size(); ++k) {
      const int slot = slots_[k];
      if (jobs_[k].onCaller) {
        selectTexture(store_, slot);
      } else {
        std::unique_lock lock(mutex_);
        // Rather than wait, the caller regenerates the next slot to claim, this one or a later.
        while (!jobs_[k].done) {
          if (nextClaim_ < claimOrder_.size() && !free_.empty())
            regenerateNext(lock);
          else
            changed_.wait(lock);
        }
        TextureStore* area = jobs_[k].area;
        lock.unlock();
        const Texture& texture = store_.slots[slot];
        std::memcpy(store_.stages.stage(0, texture.size), area->stages.stage(0, texture.size),
                    regeneratedBytes(texture));
        store_.current = slot;
        store_.changeMode = false;
        store_.workingStage = area->workingStage;
        store_.displayedStage = area->displayedStage;
        lock.lock();
        free_.push_back(area);
        changed_.notify_all();
      }
      if (published) published(slot);
    }
  }

 private:
  struct Job {
    bool onCaller = false;           // the slot renders scenes: the calling thread runs it
    std::optional<Texture> texture;  // the commands a work area runs
    TextureStore* area = nullptr;
    bool done = false;
  };

  // Claims the next slot with a free area (the caller has checked both exist) and regenerates it
  // there with the lock released.
  void regenerateNext(std::unique_lock<std::mutex>& lock) {
    const std::size_t k = claimOrder_[nextClaim_++];
    TextureStore* area = free_.back();
    free_.pop_back();
    jobs_[k].area = area;
    lock.unlock();
    const int slot = slots_[k];
    area->slots[slot] = std::move(*jobs_[k].texture);
    selectTexture(*area, slot);
    lock.lock();
    jobs_[k].done = true;
    changed_.notify_all();
  }

  TextureStore& store_;
  const std::vector<int>& slots_;
  std::vector<Job> jobs_;
  std::vector<std::size_t> claimOrder_;  // the jobs that work areas run, in order
  std::size_t nextClaim_ = 0;
  std::vector<std::unique_ptr<TextureStore>> areas_;
  std::vector<TextureStore*> free_;
  std::mutex mutex_;
  std::condition_variable changed_;
};

}  // namespace

void regenerateSlots(TextureStore& store, const std::vector<int>& slots,
                     const std::function<void(int slot)>& published) {
  const int threads = static_cast<int>(std::min<std::size_t>(
      tbb::info::default_concurrency(),
      tbb::global_control::active_value(tbb::global_control::max_allowed_parallelism)));
  if (threads <= 1) {
    for (int slot : slots) {
      selectTexture(store, slot);
      if (published) published(slot);
    }
    return;
  }
  SlotPipeline pipeline(store, slots, threads);
  // The workers run in an arena of their own: the calling thread never joins it while it
  // publishes, so it cannot end up inside a worker that waits for it.
  tbb::task_arena arena(threads - 1, 0);
  tbb::task_group workers;
  arena.execute([&] {
    for (int w = 0; w < threads - 1; ++w) workers.run([&] { pipeline.work(); });
  });
  pipeline.publishAll(published);
  arena.execute([&] { workers.wait(); });
}

}  // namespace tess
