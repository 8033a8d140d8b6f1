#include "texture/ops/blur_pass_schedule.hpp"

#include <tbb/parallel_for_each.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace tess {

namespace {

struct Block {
  int pass, index;
};

}  // namespace

void runPassSchedule(
    int passes, std::ptrdiff_t walkPixels, std::ptrdiff_t blockPixels,
    const std::function<std::ptrdiff_t(int pass)>& reachPixels,
    const std::function<void(int pass, std::ptrdiff_t first, std::ptrdiff_t end)>& run) {
  if (passes <= 0 || walkPixels <= 0) return;
  const int blocks = static_cast<int>((walkPixels + blockPixels - 1) / blockPixels);
  const int last = blocks - 1;
  // lead[p]: how many blocks pass p - 1 must be ahead of pass p.
  std::vector<int> lead(passes, 0);
  for (int p = 1; p < passes; ++p)
    lead[p] = static_cast<int>((blockPixels - 1 + reachPixels(p)) / blockPixels);

  // Each block waits for its predecessor in its own pass and for one block of the pass before;
  // whoever finishes the last of them hands it on, so every block runs exactly once.
  auto waiting = std::make_unique<std::atomic<int>[]>(static_cast<std::size_t>(passes) * blocks);
  for (int p = 0; p < passes; ++p)
    for (int b = 0; b < blocks; ++b)
      waiting[static_cast<std::size_t>(p) * blocks + b] = (b > 0) + (p > 0);

  const Block firstBlock{0, 0};
  tbb::parallel_for_each(
      &firstBlock, &firstBlock + 1, [&](Block block, tbb::feeder<Block>& feeder) {
        const std::ptrdiff_t first = block.index * blockPixels;
        run(block.pass, first, std::min(first + blockPixels, walkPixels));
        auto release = [&](int pass, int index) {
          if (waiting[static_cast<std::size_t>(pass) * blocks + index].fetch_sub(
                  1, std::memory_order_acq_rel) == 1)
            feeder.add(Block{pass, index});
        };
        if (block.index < last) release(block.pass, block.index + 1);
        const int next = block.pass + 1;
        if (next == passes) return;
        // The blocks of the next pass that waited for this one: those whose required block, limited
        // to the last, is this block.
        if (block.index < last) {
          if (block.index - lead[next] >= 0) release(next, block.index - lead[next]);
        } else {
          for (int b = std::max(0, last - lead[next]); b <= last; ++b) release(next, b);
        }
      });
}

}  // namespace tess
