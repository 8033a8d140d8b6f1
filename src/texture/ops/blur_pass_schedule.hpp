#pragma once

#include <cstddef>
#include <functional>

namespace tess {

// Runs `passes` in-place passes over a walk of walkPixels pixels, each pass in memory order, on
// the available cores. The walk is cut into blocks of blockPixels; block b of pass p runs after
// block b - 1 of pass p and after the previous pass has finished every block up to the one that
// holds reachPixels(p) pixels past block b's end: whatever pass p reads of the previous pass's
// results, and whatever the previous pass still reads of its own, lies within that reach. So
// every block sees exactly the pixels that passes run one after another would show it, and the
// result does not depend on the number of threads.
void runPassSchedule(
    int passes, std::ptrdiff_t walkPixels, std::ptrdiff_t blockPixels,
    const std::function<std::ptrdiff_t(int pass)>& reachPixels,
    const std::function<void(int pass, std::ptrdiff_t first, std::ptrdiff_t end)>& run);

}  // namespace tess
