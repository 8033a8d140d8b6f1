#include "texture/slot_regeneration.hpp"

#include <tbb/global_control.h>
#include <tbb/info.h>
#include <tbb/task_arena.h>
#include <tbb/task_group.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "texture/interpreter.hpp"

namespace tess {

namespace {

bool rendersScenes(const Texture& texture) {
  const int end = std::min(texture.stageCount, kMaxStageCount);
  for (int k = 1; k < end; ++k)
    if (texture.commands[k].op == texop::RenderScene) return true;
  return false;
}

// Who regenerates which slot. Slots without scenes are claimed strictly in order, each together
// with a free work area, so when the next slot to publish is not ready it is either in work or
// claimable at once: no slot after it holds an area yet.
class SlotPipeline {
 public:
  SlotPipeline(TextureStore& store, const std::vector<int>& slots, int threads)
      : store_(store), slots_(slots), jobs_(slots.size()) {
    for (std::size_t k = 0; k < slots.size(); ++k) {
      jobs_[k].onCaller = rendersScenes(store.slots[slots[k]]);
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
  // so does the next slot to publish when nobody has claimed it yet.
  void publishAll(const std::function<void(int slot)>& published) {
    for (std::size_t k = 0; k < slots_.size(); ++k) {
      const int slot = slots_[k];
      if (jobs_[k].onCaller) {
        selectTexture(store_, slot);
      } else {
        std::unique_lock lock(mutex_);
        while (!jobs_[k].done) {
          if (nextClaim_ < claimOrder_.size() && claimOrder_[nextClaim_] == k)
            regenerateNext(lock);
          else
            changed_.wait(lock);
        }
        TextureStore* area = jobs_[k].area;
        std::swap(store_.stages, area->stages);
        free_.push_back(area);
        changed_.notify_all();
        lock.unlock();
        store_.current = slot;
        store_.changeMode = false;
        store_.workingStage = area->workingStage;
        store_.displayedStage = area->displayedStage;
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
  SlotPipeline pipeline(store, slots, threads);
  if (threads <= 1) {
    pipeline.publishAll(published);
    return;
  }
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
